#include "failure_report.h"

#include "decimal_text.h"
#include "message_inserts.h"

namespace corelim {

namespace {

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

FailureReport NotStarted(std::u16string_view japanese, std::u16string line) {
    return {2, line, std::u16string(japanese) + u"\n\n" + line};
}

// Error codes of a program path that leads nowhere: file or path not found,
// no such drive, bad network path or share, bad name or path syntax.
bool MeansMissing(std::uint32_t error) {
    for (const std::uint32_t missing : {2u, 3u, 15u, 53u, 67u, 123u, 161u}) {
        if (error == missing) return true;
    }
    return false;
}

}  // namespace

FailureReport UsageReport() {
    const std::u16string line = kUsageText;
    return {1, line,
            line + u"\n\nCorelim.exe はコマンドラインで使うプログラムです。"
                   u"ウィンドウで使うには、同じフォルダーの CorelimGUI.exe を開いてください。"};
}

FailureReport StartFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason,
                                 std::size_t commandLineLength) {
    const std::u16string start =
        u"Corelim: cannot start " + Quoted(program) + u": " + FillMessageInserts(reason, program);
    // The system's reason for that (a file name too long) does not point
    // at the options.
    if (commandLineLength >= kMaxCommandLine) {
        return NotStarted(u"プログラムを起動できませんでした。コマンドラインが Windows の上限を超えます。"
                          u"オプションを短くするか、減らしてください。",
                          start + u" Its command line would be " + Decimal(commandLineLength) +
                              u" characters long, over the " + Decimal(kMaxCommandLine) +
                              u" Windows accepts; pass shorter or fewer options.");
    }
    const std::u16string line = start + u" Check the program's path.";
    if (MeansMissing(error)) {
        return NotStarted(u"プログラムが見つからないため、起動できませんでした。\n"
                          u"パスが間違っているか、ショートカットを作った後でプログラムが移動または削除された"
                          u"可能性があります。パスを確かめてください。",
                          line);
    }
    return NotStarted(u"プログラムを起動できませんでした。下の理由を確かめてください。", line);
}

FailureReport BatchRefusalReport(std::u16string_view program, const BatchRefusal& refusal) {
    const std::u16string start = u"Corelim: cannot start the batch file " + Quoted(program) + u": ";
    if (refusal.reason == BatchRefusal::Reason::QuoteInPath) {
        return NotStarted(u"バッチファイルを起動しませんでした。パスに \" が含まれています。パスを確かめてください。",
                          start + u"its path holds a double quote, which no file name does. Nothing was started.");
    }
    if (refusal.reason == BatchRefusal::Reason::TooLong) {
        return NotStarted(u"バッチファイルを起動しませんでした。コマンドラインが cmd.exe の上限を超えます。"
                          u"引数を短くするか、減らしてください。",
                          start + u"its command line would be " + Decimal(refusal.length) + u" characters long, over the " +
                              Decimal(kMaxCmdLine) + u" cmd.exe accepts; pass shorter or fewer arguments. "
                              u"Nothing was started.");
    }
    const std::u16string position = Decimal(refusal.position);
    return NotStarted(u"バッチファイルを起動しませんでした。引数 %" + position +
                          u" に改行が含まれていて、cmd.exe に安全に渡せません。改行を取り除いてください。",
                      start + u"its argument %" + position +
                          u" holds a line break, which cmd.exe would take as the end of its command. "
                          u"Nothing was started.");
}

FailureReport ResumeFailureReport(std::u16string_view program, std::u16string_view reason) {
    return NotStarted(u"プログラムを起動できませんでした。下の理由を確かめてください。",
                      u"Corelim: cannot resume " + Quoted(program) + u" after setting its affinity: " +
                          FillMessageInserts(reason, program));
}

FailureReport ElevationFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason) {
    const std::u16string start = u"Corelim: cannot start " + Quoted(program) + u": it needs administrator rights";
    if (error == 1223) {  // ERROR_CANCELLED
        return NotStarted(u"管理者の権限が許可されなかったため、プログラムを起動しませんでした。\n"
                          u"起動するには、もう一度実行して、Windows の確認で [はい] を選んでください。",
                          start + u", which were declined. Nothing was started; to start it, run it again "
                                  u"and choose Yes when Windows asks.");
    }
    return NotStarted(u"プログラムには管理者の権限が必要ですが、Corelim を管理者として実行できませんでした。"
                      u"下の理由を確かめてください。",
                      start + u", and Corelim could not run itself with them: " + FillMessageInserts(reason, program));
}

}  // namespace corelim
