#include "launch_messages.h"

#include "decimal_text.h"
#include "message_inserts.h"

namespace corelim {

namespace {

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// "「ａ」(U+FF41)"; a character beyond the BMP is one code point ("U+1F600"),
// written back as its surrogate pair; a lone surrogate only " U+DC00".
std::u16string DescribeCharacter(char32_t character) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = character; rest != 0 || digits.size() < 4; rest >>= 4) {
        digits.insert(digits.begin(), kHex[rest & 0xF]);
    }
    const std::u16string codePoint = u"U+" + Ascii(digits);
    if (character >= 0xD800 && character <= 0xDFFF) return u" " + codePoint;
    std::u16string shown;
    if (character > 0xFFFF) {
        shown += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
        shown += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    } else {
        shown += static_cast<char16_t>(character);
    }
    return u"「" + shown + u"」(" + codePoint + u")";
}

struct TextWording {
    const char16_t* field;
    const char16_t* remedy;
    bool pressAgain;  // the remedy ends by pressing the button again
};

// Indexed by LaunchText.
constexpr TextWording kTextWordings[] = {
    {u"[実行ファイル] 欄", u"ファイルやフォルダーの名前を、この文字を含まないものに変えてから、", true},
    {u"[起動オプション] 欄", u"この文字を使わずに入力してから、", true},
    // The character may be in any folder of the path, the user's own name
    // among them: a subfolder would not help.
    {u"CorelimGUI.exe のあるフォルダーのパス",
     u"CorelimGUI.exe と Corelim.exe を、パス全体にこの文字を含まないフォルダー (例: C:\\Corelim) に移し、"
     u"CorelimGUI.exe を開き直してから、",
     true},
    {u"デスクトップ フォルダーのパス",
     u"ショートカットは手動でも作成できます (Corelim のフォルダーにある user-guide.txt の「ショートカット」を"
     u"ご覧ください)。",
     false},
};

// ShellExecute's results that are not system error codes (shellapi.h).
struct ShellResult {
    std::intptr_t result;
    const char* name;
    const char16_t* meaning;
};

constexpr ShellResult kShellResults[] = {
    {0, nullptr, u"メモリまたはリソースが不足しています。"},
    {26, "SE_ERR_SHARE", u"共有違反が発生しました。"},
    {27, "SE_ERR_ASSOCINCOMPLETE", u"ファイルの関連付けが不完全か、正しくありません。"},
    {28, "SE_ERR_DDETIMEOUT", u"DDE の要求が時間切れになりました。"},
    {29, "SE_ERR_DDEFAIL", u"DDE の要求が失敗しました。"},
    {30, "SE_ERR_DDEBUSY", u"ほかの DDE の要求を処理中のため、DDE の要求を完了できませんでした。"},
    {31, "SE_ERR_NOASSOC", u"このファイルの種類に関連付けられたプログラムがありません。"},
    {32, "SE_ERR_DLLNOTFOUND", u"必要な DLL が見つかりません。"},
};

// ShellExecute's own result, on a line of its own below the reason.
std::u16string ShellResultDetail(std::intptr_t result, const char* name = nullptr) {
    return u"\n(詳細: ShellExecute の戻り値 " + Ascii(std::to_string(result)) +
           (name ? u"、" + Ascii(name) : u"") + u")";
}

std::u16string ShellResultReason(std::intptr_t result) {
    const ShellResult unknown{result, nullptr, u"原因不明のエラーです。"};
    const ShellResult* known = &unknown;
    for (const ShellResult& row : kShellResults) {
        if (row.result == result) known = &row;
    }
    return known->meaning + ShellResultDetail(result, known->name);
}

}  // namespace

std::u16string ComposeUnconvertibleTextMessage(LaunchAction action, LaunchText text, char32_t character,
                                               unsigned codePage) {
    const TextWording& wording = kTextWordings[static_cast<int>(text)];
    const bool execute = action == LaunchAction::Execute;
    const char16_t* outcome = execute ? u"プログラムを起動しませんでした。" : u"ショートカットを作成しませんでした。";
    const char16_t* button = execute ? u"[実行]" : u"[デスクトップにショートカット作成]";
    return outcome + (u"\n理由: " + std::u16string(wording.field) + u"に、この Windows の文字コード (コード ページ " +
                      Decimal(codePage) + u") で表せない文字" + DescribeCharacter(character) + u" があります。\n") +
           wording.remedy + (wording.pressAgain ? u"もう一度 " + std::u16string(button) + u" を押してください。" : u"");
}

std::uint32_t LaunchFailureErrorCode(std::intptr_t result, std::uint32_t lastError) {
    if (lastError != 0) return lastError;
    return result >= 1 && result <= 25 ? static_cast<std::uint32_t>(result) : 0;
}

std::u16string ComposeLaunchFailureMessage(const std::u16string& launcherPath, std::intptr_t result,
                                           std::uint32_t lastError, const std::u16string& systemReason) {
    const std::uint32_t code = LaunchFailureErrorCode(result, lastError);
    std::u16string reason;
    if (code == 0) {
        reason = ShellResultReason(result);
    } else {
        reason = systemReason.empty() ? u"システム エラー " + Decimal(code)
                                      : FillMessageInserts(systemReason, launcherPath);
        if (lastError == 0) reason += ShellResultDetail(result);
    }
    const char16_t* remedy = code == 2 || code == 3  // ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND
                                 ? u"Corelim.exe を CorelimGUI.exe と同じフォルダーに置いてから、"
                                 : u"上の理由を確かめてから、";
    return u"Corelim.exe (起動用コマンド) を起動できませんでした。\n" + launcherPath + u"\n理由: " + reason + u"\n" +
           remedy + u"もう一度 [実行] を押してください。";
}

}  // namespace corelim
