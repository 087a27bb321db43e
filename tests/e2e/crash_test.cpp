// A capture killed mid-session loses none of the records it had finished. The window runs in
// a child process (this test program, run again for one test that only a child runs) which
// is killed with SIGKILL once the index on disk lists two records; the workspace is then
// read back from disk as the next start of the program reads it.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "e2e_fixture.h"

#include "support/qt_application.h"
#include "ui/logic/target_selection.h"
#include "workspace/index_file.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <cstdio>
#include <cstdlib>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;

constexpr char ChildTest[] = "E2eChildProcess.CapturesUntilTheLinkEnds";
constexpr char ChildConnectedLine[] = "e2e-child: connected"; // tools/measure-cpu waits for it

std::size_t ListedCount(const fs::path& index) {
    return ListedRecords(testing::ReadFile(index)).size();
}

TEST(CrashTest, RecordsFinishedBeforeAKillAreAllThereAfterRestart) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::vector<std::string> screens = PushedTransmissions(PtyTestset::Dump({"--tarn"}));
    ASSERT_EQ(screens.size(), 3U);

    ASSERT_TRUE(testing::EnsureQtApplication());
    testing::TempDir dir;
    const fs::path index = dir.path() / "PLX" / "TARN" / "TARN.ini";
    // Two plays of the three screens: the kill comes while more are still to be sent.
    PtyTestset testset(TestsetOptions(
        dir.path(), 3,
        {"--tarn", "--baud", "38400", "--gap", "4", "--repeat", "2", "--settle", "0.3"}));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    {
        // The child: this program again, running only the capturing test.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ChildFolderVariable, QString::fromStdString(dir.str()));
        environment.insert(ChildTargetVariable, QStringLiteral("tarn"));
        environment.insert(ChildComVariable, QStringLiteral("3"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setStandardOutputFile(QProcess::nullDevice());
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=") + ChildTest});
        ASSERT_TRUE(child.waitForStarted());
        // It has no way to tell but the disk: its index is polled.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return child.state() != QProcess::Running || ListedCount(index) >= 2; },
            HangGuardMs));
        ASSERT_EQ(child.state(), QProcess::Running) << "the capturing child ended on its own";
        child.kill(); // SIGKILL
        child.waitForFinished();
    }
    // The test set saw its reader vanish before the end.
    EXPECT_EQ(testset.WaitForExit(10s), 3);

    // The next start of the program: the target's workspace as Connect loads it.
    LiveSession restart(dir.path());
    ASSERT_TRUE(ApplyTarget(restart.ws, restart.win, restart.services, TargetTarn));
    Loading_Workspace(restart.ws, restart.win, restart.services);
    EXPECT_TRUE(restart.dialogs.messages.empty())
        << ::testing::PrintToString(restart.dialogs.messages);

    std::vector<std::string> texts;
    for (std::size_t i = 0; i < ListedCount(index); ++i)
        texts.push_back(PushedText(screens[i % 3]));
    ASSERT_GE(texts.size(), 2U);
    const std::vector<IndexedRecord> listed = ExpectPushedRecords(restart, texts);
    const Workspace& ws = restart.ws;
    ASSERT_EQ(ws.RecordCount[1], static_cast<std::int16_t>(listed.size()));
    for (int n = 1; n <= ws.RecordCount[1]; ++n) {
        EXPECT_EQ(ws.RecordType[1][n], KindRecord);
        EXPECT_EQ(ws.RecordLabel[1][n], "   RECORD:  " + listed[n - 1].name);
        EXPECT_EQ(ws.RecordText[1][n] + "\r\n", testing::ReadFile(ws.RecordPath[1][n])) << n;
    }
}

// The capturing program of the crash test and of tools/measure-cpu: connects to the COM
// number it is given and captures until the link ends (or it is killed).
TEST(E2eChildProcess, CapturesUntilTheLinkEnds) {
    const char* folder = std::getenv(ChildFolderVariable);
    const char* target = std::getenv(ChildTargetVariable);
    const char* com = std::getenv(ChildComVariable);
    if (!folder || !target || !com)
        GTEST_SKIP() << "runs only as a child of the crash test or of tools/measure-cpu";
    LiveSession session(folder);
    session.Start(std::string_view(target) == "tarn" ? TargetTarn : TargetVesk);
    ASSERT_TRUE(session.Connect(std::atoi(com)))
        << ::testing::PrintToString(session.dialogs.messages);
    std::printf("%s\n", ChildConnectedLine);
    std::fflush(stdout);
    constexpr int LifetimeMs = 30 * 60 * 1000;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, LifetimeMs));
}

} // namespace
} // namespace orvane::e2e

#endif
