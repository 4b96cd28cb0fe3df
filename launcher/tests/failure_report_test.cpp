#include "failure_report.h"

#include <gtest/gtest.h>

#include "tests/message_parts.h"

namespace {

const std::u16string kProgram = u"C:\\\uAC8C\uC784\\game.exe";

TEST(FailureReport, UsageSaysWhereTheWindowIs) {
    const auto report = corelim::UsageReport();
    EXPECT_EQ(report.status, 1);
    EXPECT_EQ(report.line, u"Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]");
    EXPECT_TRUE(Carries(report.boxText, {u"Corelim.exe (起動用コマンド)", u"CorelimGUI.exe", u"\n\n" + report.line}));
}

// The box says in Japanese what failed, the program, the system's reason and
// what to do, then gives the line standard error gets.
TEST(FailureReport, StartFailuresNameTheProgramTheReasonAndTheRemedy) {
    const std::u16string line = u"Corelim: cannot start \"C:\\\uAC8C\uC784\\game.exe\": "
                                u"The system cannot find the file specified. Check the program's path.";
    for (const std::uint32_t missing : {2u, 3u, 53u, 67u, 123u, 161u}) {
        const auto report =
            corelim::StartFailureReport(kProgram, missing, u"The system cannot find the file specified.", 40);
        EXPECT_EQ(report.status, 2);
        EXPECT_EQ(report.line, line);
        EXPECT_TRUE(Carries(report.boxText, {u"見つからないため、起動できませんでした。\n" + kProgram + u"\n理由: ",
                                             u"[実行ファイル] 欄", u"[デスクトップにショートカット作成]", u"\n\n" + line}));
    }
    // Only a file that is no program for this Windows is told to be one.
    const std::u16string notAProgram = u"この Windows で起動できるプログラムかどうか";
    const auto denied = corelim::StartFailureReport(kProgram, 5, u"Access denied.", 40);
    EXPECT_TRUE(Carries(denied.boxText, {u"プログラムを起動できませんでした。\n" + kProgram, u"\n理由: Access denied.\n",
                                         u"上の理由を確かめてから、もう一度 [実行] を押す"}));
    EXPECT_EQ(denied.boxText.find(notAProgram), std::u16string::npos);
    EXPECT_TRUE(Carries(corelim::StartFailureReport(kProgram, 216, u"Not for this machine.", 40).boxText,
                        {notAProgram, u"[実行ファイル] 欄"}));
    // An empty field reaches the launcher as an empty program.
    EXPECT_TRUE(Carries(corelim::StartFailureReport(u"", 2, u"Not found.", 4).boxText, {u"でした。\n(指定なし)\n理由: "}));

    // 32766 characters and the null are the most Windows takes: the limit
    // shown is always below the length.
    const auto tooLong = corelim::StartFailureReport(u"probe.exe", 87, u"Invalid parameter.", 32767);
    EXPECT_TRUE(Carries(tooLong.line, {u"\"probe.exe\": Invalid parameter. Its command line would be 32767 characters "
                                       u"long, over the 32766 Windows accepts"}));
    EXPECT_TRUE(Carries(tooLong.boxText, {u"プログラムを起動できませんでした。\nprobe.exe\n理由: ", u" 32767 文字",
                                          u"上限 (32766 文字)", u"[起動オプション] 欄", u"[実行]", tooLong.line}));
    EXPECT_EQ(corelim::StartFailureReport(u"probe.exe", 87, u"Invalid parameter.", 32766).line,
              u"Corelim: cannot start \"probe.exe\": Invalid parameter. Check the program's path.");
    EXPECT_EQ(corelim::StartFailureReport(u"C:\\readme.txt", 193, u"%1 の EXE フォーマットが不正です。", 20).line,
              u"Corelim: cannot start \"C:\\readme.txt\": C:\\readme.txt の EXE フォーマットが不正です。 "
              u"Check the program's path.");
}

TEST(FailureReport, ElevationFailureSaysWhetherTheUserDeclined) {
    const auto declined = corelim::ElevationFailureReport(kProgram, 1223, u"The operation was canceled by the user.");
    EXPECT_EQ(declined.status, 2);
    EXPECT_TRUE(Carries(declined.line, {u"cannot start \"" + kProgram + u"\": it needs administrator rights, which were "
                                        u"declined. Nothing was started", u"choose Yes"}));
    EXPECT_TRUE(Carries(declined.boxText, {u"[はい] が選ばれなかったため、プログラムを起動しませんでした。\n" + kProgram,
                                           u"\n理由: The operation was canceled by the user.\n", u"[実行]", u"[はい]",
                                           u"Corelim.exe (発行元: 不明)", u"\n\n" + declined.line}));
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
    EXPECT_TRUE(Carries(report.boxText, {u"バッチ ファイルを起動しませんでした。\nrun.bat\n理由: ", u"3 番目 (%3)",
                                         u"[起動オプション] 欄", u"[実行]", u"\n\n" + report.line}));
    EXPECT_TRUE(Carries(corelim::BatchRefusalReport(u"run.bat", {0, Reason::TooLong, 8200}).line,
                        {u"\"run.bat\": its command line would be 8200 characters long, over the 8191 cmd.exe accepts"}));
}

// The program was created suspended and ended unrun, its processors set or not.
TEST(FailureReport, ResumeFailureSaysTheProgramDidNotStart) {
    const auto report = corelim::ResumeFailureReport(u"game.exe", u"Access denied.");
    EXPECT_TRUE(Carries(report.boxText, {u"プログラムを起動できませんでした。\ngame.exe\n理由: Access denied.\n", u"[実行]",
                                         u"\n\nCorelim: cannot start \"game.exe\": "}));
    EXPECT_EQ(report.boxText.find(u"再開"), std::u16string::npos);
    EXPECT_EQ(report.line.find(u"affinity"), std::u16string::npos);
}

}  // namespace
