#include "failure_report.h"

#include <gtest/gtest.h>

namespace {

const std::u16string kProgram = u"C:\\\uAC8C\uC784\\game.exe";

TEST(FailureReport, UsageSaysWhereTheWindowIs) {
    const auto report = corelim::UsageReport();
    EXPECT_EQ(report.status, 1);
    EXPECT_EQ(report.line, u"Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]");
    EXPECT_EQ(report.boxText, u"Corelim.exe (起動用コマンド) は、コマンド プロンプトから使うプログラムです。\n"
                              u"画面で操作するには、同じフォルダーにある CorelimGUI.exe を開いてください。\n\n" +
                                  report.line);
}

// The box says in Japanese what failed, the program, the system's reason and
// what to do, then gives the line standard error gets.
TEST(FailureReport, StartFailuresNameTheProgramTheReasonAndTheRemedy) {
    const std::u16string line = u"Corelim: cannot start \"C:\\\uAC8C\uC784\\game.exe\": "
                                u"The system cannot find the file specified. Check the program's path.";
    for (const std::uint32_t missing : {2u, 3u, 67u, 123u, 161u}) {
        const auto report =
            corelim::StartFailureReport(kProgram, missing, u"The system cannot find the file specified.", 40);
        EXPECT_EQ(report.status, 2);
        EXPECT_EQ(report.line, line);
        EXPECT_EQ(report.boxText, u"プログラムが見つからないため、起動できませんでした。\n" + kProgram +
                                      u"\n理由: The system cannot find the file specified.\n"
                                      u"[実行] を押した場合は、[実行ファイル] 欄のパスを確かめてください。"
                                      u"ショートカットから起動した場合は、プログラムが移動または削除された可能性があります。"
                                      u"プログラムを選び直して、ショートカットを作成し直してください。\n\n" + line);
    }
    const auto denied = corelim::StartFailureReport(kProgram, 5, u"Access denied.", 40);
    EXPECT_EQ(denied.boxText, u"プログラムを起動できませんでした。\n" + kProgram + u"\n理由: Access denied.\n"
                              u"指定したファイルが、この Windows で起動できるプログラムかどうかを確かめてください。\n\n" +
                                  denied.line);
    // An empty field reaches the launcher as an empty program.
    EXPECT_EQ(corelim::StartFailureReport(u"", 2, u"Not found.", 4).boxText.rfind(u"プログラムが見つからないため、起動"
                                                                                 u"できませんでした。\n(指定なし)\n理由: ", 0),
              0u);

    const auto tooLong = corelim::StartFailureReport(u"probe.exe", 87, u"Invalid parameter.", 40012);
    EXPECT_EQ(tooLong.line, u"Corelim: cannot start \"probe.exe\": Invalid parameter. Its command line would be "
                            u"40012 characters long, over the 32767 Windows accepts; pass shorter or fewer options.");
    EXPECT_EQ(tooLong.boxText, u"プログラムを起動できませんでした。\nprobe.exe\n"
                               u"理由: コマンドラインが 40012 文字になり、Windows の上限 (32767 文字) を超えます。\n"
                               u"起動オプションを短くするか減らしてから、もう一度起動してください。\n\n" + tooLong.line);
    // 32766 characters and the null are the most Windows takes.
    EXPECT_NE(corelim::StartFailureReport(u"probe.exe", 87, u"Invalid parameter.", 32767).line.find(u"over the 32767"),
              std::u16string::npos);
    EXPECT_EQ(corelim::StartFailureReport(u"probe.exe", 87, u"Invalid parameter.", 32766).line,
              u"Corelim: cannot start \"probe.exe\": Invalid parameter. Check the program's path.");
    EXPECT_EQ(corelim::StartFailureReport(u"C:\\readme.txt", 193, u"%1 の EXE フォーマットが不正です。", 20).line,
              u"Corelim: cannot start \"C:\\readme.txt\": C:\\readme.txt の EXE フォーマットが不正です。 "
              u"Check the program's path.");
}

TEST(FailureReport, ElevationFailureSaysWhetherTheUserDeclined) {
    const auto declined = corelim::ElevationFailureReport(kProgram, 1223, u"The operation was canceled by the user.");
    EXPECT_EQ(declined.status, 2);
    EXPECT_EQ(declined.line, u"Corelim: cannot start \"C:\\\uAC8C\uC784\\game.exe\": it needs administrator rights, "
                             u"which were declined. Nothing was started; to start it, run it again and choose Yes "
                             u"when Windows asks.");
    EXPECT_EQ(declined.boxText, u"管理者の権限が許可されなかったため、プログラムを起動しませんでした。\n" + kProgram +
                                    u"\n理由: The operation was canceled by the user.\n"
                                    u"起動するには、もう一度 [実行] を押すかショートカットを開き、ユーザー アカウント制御の"
                                    u"確認で [はい] を選んでください。確認には、選んだプログラムではなく Corelim.exe "
                                    u"(発行元: 不明) が表示されます。\n\n" + declined.line);
    const auto failed = corelim::ElevationFailureReport(u"game.exe", 2, u"%1 was not found.");
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.line, u"Corelim: cannot start \"game.exe\": it needs administrator rights, and Corelim could not "
                           u"run itself with them: game.exe was not found.");
}

TEST(FailureReport, BatchRefusalNamesTheArgument) {
    using Reason = corelim::BatchRefusal::Reason;
    const auto report = corelim::BatchRefusalReport(u"run.bat", {3, Reason::LineBreak});
    EXPECT_EQ(report.status, 2);
    EXPECT_EQ(report.line, u"Corelim: cannot start the batch file \"run.bat\": its argument %3 holds a line break, "
                           u"which cmd.exe would take as the end of its command. Nothing was started.");
    EXPECT_EQ(report.boxText, u"バッチファイルを起動しませんでした。\nrun.bat\n"
                              u"理由: 起動オプションの 3 番目 (%3) に改行が含まれていて、cmd.exe に安全に渡せません。\n"
                              u"改行を取り除いてから、もう一度起動してください。\n\n" + report.line);
    EXPECT_EQ(corelim::BatchRefusalReport(u"run.bat", {0, Reason::TooLong, 8200}).line,
              u"Corelim: cannot start the batch file \"run.bat\": its command line would be 8200 characters long, "
              u"over the 8191 cmd.exe accepts; pass shorter or fewer arguments. Nothing was started.");
}

}  // namespace
