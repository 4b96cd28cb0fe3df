#include "launch_messages.h"

#include <gtest/gtest.h>

#include "tests/message_parts.h"

namespace {

using corelim::LaunchAction;
using corelim::LaunchText;

TEST(LaunchMessages, UnconvertibleTextNamesTheFieldAndTheCharacter) {
    const struct {
        LaunchAction action;
        LaunchText text;
        char32_t character;
        unsigned codePage;
        std::vector<std::u16string> parts;
    } cases[] = {
        {LaunchAction::Execute, LaunchText::Program, U'ａ', 1252,
         {u"起動しませんでした。\n理由: [実行ファイル] 欄", u"コード ページ 1252", u"「ａ」(U+FF41)", u"[実行]"}},
        {LaunchAction::ShortCut, LaunchText::Options, U'é', 932,
         {u"作成しませんでした。\n理由: [起動オプション] 欄", u"「é」(U+00E9)", u"[デスクトップにショートカット作成]"}},
        // Beyond the BMP: one code point, shown as its surrogate pair.
        {LaunchAction::Execute, LaunchText::FrontEndFolder, U'\U0001F600', 932,
         {u"CorelimGUI.exe のあるフォルダー", u"「\U0001F600」(U+1F600)", u"パス全体", u"C:\\Corelim", u"[実行]"}},
        // A lone surrogate cannot be shown, only named.
        {LaunchAction::ShortCut, LaunchText::DesktopFolder, 0xD800, 65001,
         {u"作成しませんでした。\n理由: デスクトップ フォルダーのパス", u"65001", u"文字 U+D800 ", u"user-guide.txt"}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(
            Carries(corelim::ComposeUnconvertibleTextMessage(c.action, c.text, c.character, c.codePage), c.parts));
    }
}

TEST(LaunchMessages, LaunchFailureSaysWhichFailureItWas) {
    const std::u16string path = u"C:\\Apps\\Corelim.exe";
    const std::u16string missing = u"\nCorelim.exe を CorelimGUI.exe と同じフォルダーに置いてから、もう一度 [実行]";
    const std::u16string other = u"\n上の理由を確かめてから、もう一度 [実行]";
    const struct {
        std::intptr_t result;
        std::uint32_t lastError;
        std::uint32_t explainedBy;  // the code whose system text the caller looks up
        const char16_t* systemReason;
        std::u16string reason, remedy;
    } cases[] = {
        // The last error, when there is one, explains any result.
        {2, 2, 2, u"The system cannot find the file specified.", u"The system cannot find the file specified.", missing},
        {31, 1155, 1155, u"No application is associated.", u"No application is associated.", other},
        {31, 193, 193, u"%1 は有効な Win32 アプリケーションではありません。", u"C:\\Apps\\Corelim.exe は有効な", other},
        {5, 1234, 1234, u"", u"システム エラー 1234", other},
        // Without one, a result that is a system code explains itself.
        {3, 0, 3, u"The system cannot find the path specified.", u"specified.\n(詳細: ShellExecute の戻り値 3)", missing},
        {8, 0, 8, u"", u"システム エラー 8\n(詳細: ShellExecute の戻り値 8)", other},
        // ShellExecute's own results, and 0, are never the system's code 0,
        // "The operation completed successfully".
        {0, 0, 0, u"The operation completed successfully.", u"不足しています。\n(詳細: ShellExecute の戻り値 0)", other},
        {26, 0, 0, u"", u"共有違反が発生しました。\n(詳細: ShellExecute の戻り値 26、SE_ERR_SHARE)", other},
        {27, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 27、SE_ERR_ASSOCINCOMPLETE)", other},
        {28, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 28、SE_ERR_DDETIMEOUT)", other},
        {29, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 29、SE_ERR_DDEFAIL)", other},
        {30, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 30、SE_ERR_DDEBUSY)", other},
        {31, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 31、SE_ERR_NOASSOC)", other},
        {32, 0, 0, u"", u"\n(詳細: ShellExecute の戻り値 32、SE_ERR_DLLNOTFOUND)", other},
        {-5, 0, 0, u"", u"原因不明のエラーです。\n(詳細: ShellExecute の戻り値 -5)", other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(corelim::LaunchFailureErrorCode(c.result, c.lastError), c.explainedBy);
        EXPECT_TRUE(Carries(corelim::ComposeLaunchFailureMessage(path, c.result, c.lastError, c.systemReason),
                            {u"を起動できませんでした。\n" + path + u"\n理由: ", c.reason, c.remedy}));
    }
}

}  // namespace
