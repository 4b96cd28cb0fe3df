#include "launch_messages.h"

#include <gtest/gtest.h>

namespace {

using corelim::LaunchAction;
using corelim::LaunchText;

TEST(LaunchMessages, UnconvertibleTextNamesTheFieldAndTheCharacter) {
    const struct {
        LaunchAction action;
        LaunchText text;
        char32_t character;
        unsigned codePage;
        const char16_t* message;
    } cases[] = {
        {LaunchAction::Execute, LaunchText::Program, U'ａ', 1252,
         u"実行ファイルに、このシステムの文字コード (コードページ 1252) で表せない文字「ａ」(U+FF41) があるため、"
         u"プログラムを起動しませんでした。\n"
         u"ファイルやフォルダーの名前を、この文字を含まないものに変えてから、もう一度お試しください。"},
        {LaunchAction::ShortCut, LaunchText::Options, U'é', 932,
         u"起動オプションに、このシステムの文字コード (コードページ 932) で表せない文字「é」(U+00E9) があるため、"
         u"ショートカットを作成しませんでした。\n"
         u"この文字を使わずに入力してから、もう一度お試しください。"},
        // Beyond the BMP: one code point, shown as its surrogate pair.
        {LaunchAction::Execute, LaunchText::FrontEndFolder, U'\U0001F600', 932,
         u"CorelimGUI.exe のあるフォルダーに、このシステムの文字コード (コードページ 932) で表せない文字"
         u"「\U0001F600」(U+1F600) があるため、プログラムを起動しませんでした。\n"
         u"CorelimGUI.exe と Corelim.exe を、名前にこの文字を含まないフォルダーに移してから、もう一度お試しください。"},
        // A lone surrogate cannot be shown, only named.
        {LaunchAction::ShortCut, LaunchText::DesktopFolder, 0xDC00, 65001,
         u"デスクトップ フォルダーに、このシステムの文字コード (コードページ 65001) で表せない文字 U+DC00 があるため、"
         u"ショートカットを作成しませんでした。\n"
         u"ショートカットは手動で作成できます (利用の手引きの「ショートカット」をご覧ください)。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::ComposeUnconvertibleTextMessage(c.action, c.text, c.character, c.codePage), c.message)
            << static_cast<unsigned>(c.character);
    }
}

TEST(LaunchMessages, LaunchFailureSaysWhichFailureItWas) {
    const std::u16string path = u"C:\\Apps\\Corelim.exe";
    const std::u16string missing = u"\n\nCorelim.exe を CorelimGUI.exe と同じフォルダーに置いてから、もう一度実行してください。";
    const struct {
        std::intptr_t result;
        std::uint32_t lastError;
        std::uint32_t explainedBy;  // the code whose system text the caller looks up
        const char16_t* systemReason;
        std::u16string reason;
    } cases[] = {
        // The last error, when there is one, explains any result.
        {2, 2, 2, u"The system cannot find the file specified.",
         u"The system cannot find the file specified." + missing},
        {31, 1155, 1155, u"No application is associated.", u"No application is associated."},
        {31, 193, 193, u"%1 は有効な Win32 アプリケーションではありません。",
         u"C:\\Apps\\Corelim.exe は有効な Win32 アプリケーションではありません。"},
        {5, 1234, 1234, u"", u"システム エラー 1234"},
        // Without one, a result that is a system code explains itself.
        {3, 0, 3, u"The system cannot find the path specified.",
         u"The system cannot find the path specified. (ShellExecute の結果 3)" + missing},
        {8, 0, 8, u"", u"システム エラー 8 (ShellExecute の結果 8)"},
        // ShellExecute's own results, and 0, are never the system's code 0,
        // "The operation completed successfully".
        {0, 0, 0, u"The operation completed successfully.",
         u"メモリーまたはリソースが不足しています。 (ShellExecute の結果 0)"},
        {26, 0, 0, u"", u"共有違反が発生しました。 (ShellExecute の結果 26: SE_ERR_SHARE)"},
        {27, 0, 0, u"", u"ファイルの関連付けが不完全か、正しくありません。 (ShellExecute の結果 27: SE_ERR_ASSOCINCOMPLETE)"},
        {28, 0, 0, u"", u"DDE の要求が時間切れになりました。 (ShellExecute の結果 28: SE_ERR_DDETIMEOUT)"},
        {29, 0, 0, u"", u"DDE の要求が失敗しました。 (ShellExecute の結果 29: SE_ERR_DDEFAIL)"},
        {30, 0, 0, u"",
         u"ほかの DDE の要求を処理中のため、DDE の要求を完了できませんでした。 (ShellExecute の結果 30: SE_ERR_DDEBUSY)"},
        {31, 0, 0, u"", u"このファイルの種類に関連付けられたプログラムがありません。 (ShellExecute の結果 31: SE_ERR_NOASSOC)"},
        {32, 0, 0, u"", u"必要な DLL が見つかりません。 (ShellExecute の結果 32: SE_ERR_DLLNOTFOUND)"},
        {-5, 0, 0, u"", u"原因不明のエラーです。 (ShellExecute の結果 -5)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(corelim::LaunchFailureErrorCode(c.result, c.lastError), c.explainedBy);
        EXPECT_EQ(corelim::ComposeLaunchFailureMessage(path, c.result, c.lastError, c.systemReason),
                  u"起動プログラムを開始できませんでした。\nC:\\Apps\\Corelim.exe\n" + c.reason);
    }
}

}  // namespace
