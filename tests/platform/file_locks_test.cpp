#include "platform/qt_file_locks.h"

#include "support/fakes.h"
#include "support/qt_application.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

// Two objects stand for two running copies of the program.
TEST(QtFileLocksTest, OneCopyAtATimeAndALockOfADeadCopyIsTakenOver) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const testing::TempDir dir;
    const std::string index = (dir.path() / "VESK.ini").string();
    QtFileLocks first, second;
    ASSERT_TRUE(first.Lock(index));
    EXPECT_TRUE(first.Lock(index)) << "held already";
    EXPECT_FALSE(second.Lock(index));
    first.Unlock(index);
    EXPECT_TRUE(second.Lock(index));
    second.Unlock(index);

    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    testing::WriteFile(index + ".lock", std::to_string(dead) + "\n" +
                                            QCoreApplication::applicationName().toStdString() +
                                            "\n" + QSysInfo::machineHostName().toStdString() +
                                            "\n");
    EXPECT_TRUE(first.Lock(index)) << "the copy that held it has died";
}

} // namespace
} // namespace orvane
