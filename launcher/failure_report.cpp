#include "failure_report.h"

#include "decimal_text.h"
#include "message_inserts.h"

namespace corelim {

namespace {

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

// The box reads in Japanese: what failed, the program on a line of its own,
// the reason, what to do; then the line standard error got, as details. The
// box shows only when the launcher's console closes unread, which from the
// front end's [実行] button or a shortcut it does, so the remedy speaks to
// those; an empty program (an empty field) still gets its line.
FailureReport NotStarted(std::u16string_view outcome, std::u16string_view program, std::u16string_view reason,
                         std::u16string_view remedy, std::u16string line) {
    const std::u16string named = program.empty() ? u"(指定なし)" : std::u16string(program);
    return {2, line,
            std::u16string(outcome) + u"\n" + named + u"\n理由: " + std::u16string(reason) + u"\n" +
                std::u16string(remedy) + u"\n\n" + line};
}

constexpr char16_t kCannotStart[] = u"プログラムを起動できませんでした。";
constexpr char16_t kBatchNotStarted[] = u"バッチファイルを起動しませんでした。";

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
            u"Corelim.exe (起動用コマンド) は、コマンド プロンプトから使うプログラムです。\n"
            u"画面で操作するには、同じフォルダーにある CorelimGUI.exe を開いてください。\n\n" + line};
}

FailureReport StartFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason,
                                 std::size_t commandLineLength) {
    const std::u16string filled = FillMessageInserts(reason, program);
    const std::u16string start = u"Corelim: cannot start " + Quoted(program) + u": " + filled;
    // The system's reason for that (a file name too long) does not point
    // at the options.
    if (commandLineLength >= kMaxCommandLine) {
        return NotStarted(kCannotStart, program,
                          u"コマンドラインが " + Decimal(commandLineLength) + u" 文字になり、Windows の上限 (" +
                              Decimal(kMaxCommandLine) + u" 文字) を超えます。",
                          u"起動オプションを短くするか減らしてから、もう一度起動してください。",
                          start + u" Its command line would be " + Decimal(commandLineLength) +
                              u" characters long, over the " + Decimal(kMaxCommandLine) +
                              u" Windows accepts; pass shorter or fewer options.");
    }
    const std::u16string line = start + u" Check the program's path.";
    if (MeansMissing(error)) {
        return NotStarted(u"プログラムが見つからないため、起動できませんでした。", program, filled,
                          u"[実行] を押した場合は、[実行ファイル] 欄のパスを確かめてください。"
                          u"ショートカットから起動した場合は、プログラムが移動または削除された可能性があります。"
                          u"プログラムを選び直して、ショートカットを作成し直してください。",
                          line);
    }
    return NotStarted(kCannotStart, program, filled,
                      u"指定したファイルが、この Windows で起動できるプログラムかどうかを確かめてください。", line);
}

FailureReport BatchRefusalReport(std::u16string_view program, const BatchRefusal& refusal) {
    const std::u16string start = u"Corelim: cannot start the batch file " + Quoted(program) + u": ";
    if (refusal.reason == BatchRefusal::Reason::QuoteInPath) {
        return NotStarted(kBatchNotStarted, program, u"パスに \" が含まれています。",
                          u"パスから \" を取り除いてから、もう一度起動してください。",
                          start + u"its path holds a double quote, which no file name does. Nothing was started.");
    }
    if (refusal.reason == BatchRefusal::Reason::TooLong) {
        return NotStarted(kBatchNotStarted, program,
                          u"コマンドラインが " + Decimal(refusal.length) + u" 文字になり、cmd.exe の上限 (" +
                              Decimal(kMaxCmdLine) + u" 文字) を超えます。",
                          u"起動オプションを短くするか減らしてから、もう一度起動してください。",
                          start + u"its command line would be " + Decimal(refusal.length) + u" characters long, over the " +
                              Decimal(kMaxCmdLine) + u" cmd.exe accepts; pass shorter or fewer arguments. "
                              u"Nothing was started.");
    }
    const std::u16string position = Decimal(refusal.position);
    return NotStarted(kBatchNotStarted, program,
                      u"起動オプションの " + position + u" 番目 (%" + position +
                          u") に改行が含まれていて、cmd.exe に安全に渡せません。",
                      u"改行を取り除いてから、もう一度起動してください。",
                      start + u"its argument %" + position +
                          u" holds a line break, which cmd.exe would take as the end of its command. "
                          u"Nothing was started.");
}

FailureReport ResumeFailureReport(std::u16string_view program, std::u16string_view reason) {
    const std::u16string filled = FillMessageInserts(reason, program);
    return NotStarted(u"CPU を設定した後でプログラムを再開できなかったため、プログラムを終了しました。", program, filled,
                      u"もう一度起動してください。",
                      u"Corelim: cannot resume " + Quoted(program) + u" after setting its affinity: " + filled);
}

FailureReport ElevationFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason) {
    const std::u16string filled = FillMessageInserts(reason, program);
    const std::u16string start = u"Corelim: cannot start " + Quoted(program) + u": it needs administrator rights";
    if (error == 1223) {  // ERROR_CANCELLED
        return NotStarted(u"管理者の権限が許可されなかったため、プログラムを起動しませんでした。", program, filled,
                          u"起動するには、もう一度 [実行] を押すかショートカットを開き、ユーザー アカウント制御の"
                          u"確認で [はい] を選んでください。確認には、選んだプログラムではなく Corelim.exe "
                          u"(発行元: 不明) が表示されます。",
                          start + u", which were declined. Nothing was started; to start it, run it again "
                                  u"and choose Yes when Windows asks.");
    }
    return NotStarted(u"このプログラムには管理者の権限が必要ですが、Corelim.exe (起動用コマンド) を管理者として"
                      u"実行できなかったため、起動できませんでした。",
                      program, filled, u"上の理由を確かめてから、もう一度起動してください。",
                      start + u", and Corelim could not run itself with them: " + filled);
}

}  // namespace corelim
