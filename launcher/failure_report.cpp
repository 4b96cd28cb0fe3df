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
constexpr char16_t kBatchNotStarted[] = u"バッチ ファイルを起動しませんでした。";

// How the user starts the program again: after a fault that may pass, as
// before; after changing the path or the options, from a shortcut made again.
constexpr char16_t kCheckTheReason[] =
    u"上の理由を確かめてから、もう一度 [実行] を押すか、ショートカットを開いてください。";
constexpr char16_t kStartAgainChanged[] =
    u"から、もう一度 [実行] を押してください。ショートカットから起動した場合は、CorelimGUI.exe でショートカットを"
    u"作成し直してください。";

// Error codes of a program path that leads nowhere: file or path not found,
// no such drive, bad network path or share, bad name or path syntax.
bool MeansMissing(std::uint32_t error) {
    for (const std::uint32_t missing : {2u, 3u, 15u, 53u, 67u, 123u, 161u}) {
        if (error == missing) return true;
    }
    return false;
}

// What to do about a start the system refused: a remedy of its own for the
// errors that have one, else to check the reason shown and try again.
struct ErrorRemedy {
    std::uint32_t errors[2];
    const char16_t* remedy;
};

constexpr ErrorRemedy kErrorRemedies[] = {
    // ERROR_BAD_EXE_FORMAT, ERROR_EXE_MACHINE_TYPE_MISMATCH: not a program for this Windows.
    {{193, 216}, u"指定したファイルが、この Windows で起動できるプログラムかどうかを確かめてから、CorelimGUI.exe の"
                 u" [実行ファイル] 欄でプログラムを選び直してください。"},
    // ERROR_ACCESS_DISABLED_BY_POLICY, ERROR_SYSTEM_INTEGRITY_POLICY_VIOLATION: the machine's policy.
    {{1260, 4551}, u"このプログラムの起動が許可されているかを、コンピューターの管理者に問い合わせてください。"},
    // ERROR_VIRUS_INFECTED, ERROR_VIRUS_DELETED: an antivirus program's finding.
    {{225, 226}, u"ウイルス対策ソフトの検出の記録 (Windows セキュリティの [保護の履歴] など) を確かめてください。"},
};

const char16_t* StartFailureRemedy(std::uint32_t error) {
    for (const ErrorRemedy& row : kErrorRemedies) {
        if (row.errors[0] == error || row.errors[1] == error) return row.remedy;
    }
    return kCheckTheReason;
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
    // at the options. The longest line Windows takes leaves room for the null.
    if (commandLineLength >= kMaxCommandLine) {
        const std::u16string longest = Decimal(kMaxCommandLine - 1);
        return NotStarted(kCannotStart, program,
                          u"コマンド ラインが " + Decimal(commandLineLength) + u" 文字になり、Windows の上限 (" +
                              longest + u" 文字) を超えます。",
                          u"[起動オプション] 欄のオプションを短くするか減らして" + std::u16string(kStartAgainChanged),
                          start + u" Its command line would be " + Decimal(commandLineLength) +
                              u" characters long, over the " + longest +
                              u" Windows accepts; pass shorter or fewer options.");
    }
    const std::u16string line = start + u" Check the program's path.";
    if (MeansMissing(error)) {
        return NotStarted(u"プログラムが見つからないため、起動できませんでした。", program, filled,
                          u"[実行] を押した場合は、[実行ファイル] 欄のパスを確かめてください。"
                          u"ショートカットから起動した場合は、プログラムが移動または削除された可能性があります。"
                          u"CorelimGUI.exe でプログラムを選び直し、[デスクトップにショートカット作成] を押して"
                          u"ショートカットを作成し直してください。",
                          line);
    }
    return NotStarted(kCannotStart, program, filled, StartFailureRemedy(error), line);
}

FailureReport BatchRefusalReport(std::u16string_view program, const BatchRefusal& refusal) {
    const std::u16string start = u"Corelim: cannot start the batch file " + Quoted(program) + u": ";
    if (refusal.reason == BatchRefusal::Reason::QuoteInPath) {
        return NotStarted(kBatchNotStarted, program,
                          u"パスに引用符 (\") が含まれています。Windows のファイルやフォルダーの名前に"
                          u"引用符は使えません。",
                          u"[実行ファイル] 欄のパスから引用符を取り除いて" + std::u16string(kStartAgainChanged),
                          start + u"its path holds a double quote, which no file name does. Nothing was started.");
    }
    if (refusal.reason == BatchRefusal::Reason::TooLong) {
        return NotStarted(kBatchNotStarted, program,
                          u"コマンド ラインが " + Decimal(refusal.length) + u" 文字になり、cmd.exe の上限 (" +
                              Decimal(kMaxCmdLine) + u" 文字) を超えます。",
                          u"[起動オプション] 欄のオプションを短くするか減らして" + std::u16string(kStartAgainChanged),
                          start + u"its command line would be " + Decimal(refusal.length) + u" characters long, over the " +
                              Decimal(kMaxCmdLine) + u" cmd.exe accepts; pass shorter or fewer arguments. "
                              u"Nothing was started.");
    }
    const std::u16string position = Decimal(refusal.position);
    return NotStarted(kBatchNotStarted, program,
                      u"起動オプションの " + position + u" 番目 (%" + position +
                          u") に改行が含まれていて、cmd.exe に安全に渡せません。",
                      u"[起動オプション] 欄から改行を取り除いて" + std::u16string(kStartAgainChanged),
                      start + u"its argument %" + position +
                          u" holds a line break, which cmd.exe would take as the end of its command. "
                          u"Nothing was started.");
}

FailureReport ResumeFailureReport(std::u16string_view program, std::u16string_view reason) {
    const std::u16string filled = FillMessageInserts(reason, program);
    return NotStarted(kCannotStart, program, filled, kCheckTheReason,
                      u"Corelim: cannot start " + Quoted(program) +
                          u": it was created suspended and could not be resumed, so it was ended: " + filled);
}

FailureReport ElevationFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason) {
    const std::u16string filled = FillMessageInserts(reason, program);
    const std::u16string start = u"Corelim: cannot start " + Quoted(program) + u": it needs administrator rights";
    if (error == 1223) {  // ERROR_CANCELLED
        return NotStarted(u"ユーザー アカウント制御の確認で [はい] が選ばれなかったため、プログラムを"
                          u"起動しませんでした。",
                          program, filled,
                          u"起動するには、もう一度 [実行] を押すかショートカットを開き、ユーザー アカウント制御の"
                          u"確認で [はい] を選んでください。確認には、選んだプログラムではなく Corelim.exe "
                          u"(発行元: 不明) が表示されます。",
                          start + u", which were declined. Nothing was started; to start it, run it again "
                                  u"and choose Yes when Windows asks.");
    }
    return NotStarted(u"このプログラムには管理者の権限が必要ですが、Corelim.exe (起動用コマンド) を管理者として"
                      u"実行できなかったため、起動できませんでした。",
                      program, filled, kCheckTheReason,
                      start + u", and Corelim could not run itself with them: " + filled);
}

}  // namespace corelim
