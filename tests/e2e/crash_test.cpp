// A capture killed mid-session loses none of the records it had finished. The window runs in
// a child process (this test program, run again for one test that only a child runs) which
// is killed with SIGKILL once the index on disk lists two records; the workspace is then
// read back from disk as the next start of the program reads it.

#ifndef _WIN32

#include "e2e_expected.h"
#include "e2e_session.h"

#include "ui/logic/target_selection.h"
#include "workspace/index_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;
using testing::ScopedEnv;

constexpr char ChildTest[] = "E2eChildProcess.CapturesUntilTheLinkEnds";

// This test program run as the child, its output dropped; killed and reaped when it goes.
class ChildRun {
  public:
    ChildRun() {
        const std::string program = fs::read_symlink("/proc/self/exe").string();
        std::string filter = std::string("--gtest_filter=") + ChildTest;
        char* argv[] = {const_cast<char*>(program.c_str()), filter.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildRun() { Kill(); }
    ChildRun(const ChildRun&) = delete;
    ChildRun& operator=(const ChildRun&) = delete;

    bool Started() const { return pid_ > 0; }
    bool Running() {
        if (pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) != 0)
            pid_ = -1; // ended, and reaped now
        return pid_ > 0;
    }
    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    pid_t pid_ = -1;
};

std::size_t ListedCount(const fs::path& index) {
    return ListedRecords(testing::ReadFile(index)).size();
}

TEST(CrashTest, RecordsFinishedBeforeAKillAreAllThereAfterRestart) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::vector<std::string> screens = PushedTransmissions(PtyTestset::Dump({"--tarn"}));
    ASSERT_EQ(screens.size(), 3U);

    testing::TempDir dir;
    const fs::path index = dir.path() / "PLX" / "TARN" / "TARN.ini";
    // Two plays of the three screens: the kill comes while more are still to be sent.
    PtyTestset testset(TestsetOptions(
        dir.path(), 3,
        {"--tarn", "--baud", "38400", "--gap", "4", "--repeat", "2", "--settle", "0.3"}));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    {
        const ScopedEnv folder(ChildFolderVariable, dir.str().c_str());
        const ScopedEnv target(ChildTargetVariable, "tarn");
        const ScopedEnv com(ChildComVariable, "3");
        ChildRun child;
        ASSERT_TRUE(child.Started());
        // Bounded poll of the disk: the child has no other way to tell.
        for (int polls = 0; polls < HangGuardMs / 50 && ListedCount(index) < 2; ++polls) {
            ASSERT_TRUE(child.Running()) << "the capturing child ended on its own";
            std::this_thread::sleep_for(50ms);
        }
        child.Kill();
    }
    // The test set saw its reader vanish before the end.
    EXPECT_EQ(testset.WaitForExit(10s), 3);

    // The next start of the program: the target's workspace as Connect loads it.
    LiveSession restart(dir.path());
    ASSERT_TRUE(ApplyTarget(restart.ws, restart.win, restart.services, TargetTarn));
    Loading_Workspace(restart.ws, restart.win, restart.services);
    EXPECT_TRUE(restart.dialogs.messages.empty())
        << ::testing::PrintToString(restart.dialogs.messages);

    const std::vector<IndexedRecord> listed = ListedRecords(testing::ReadFile(index));
    ASSERT_GE(listed.size(), 2U);
    const Workspace& ws = restart.ws;
    ASSERT_EQ(ws.RecordCount[1], static_cast<std::int16_t>(listed.size()));
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const std::string file =
            testing::ReadFile(restart.DataPath("TARN/" + listed[i].name + ".txt"));
        EXPECT_EQ(file, PushedRecordFile(file.substr(10, 17), PushedText(screens[i % 3]))) << n;
        EXPECT_EQ(ws.RecordType[1][n], KindRecord);
        EXPECT_EQ(ws.RecordLabel[1][n], "   RECORD:  " + listed[i].name);
        EXPECT_EQ(ws.RecordText[1][n] + "\r\n", file) << n;
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
