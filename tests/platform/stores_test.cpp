// What the program keeps on disk between runs and between running copies of it: its
// settings, and the lock on a loaded index. (POSIX only: a dead copy is made with fork.)

#include "platform/qt_file_locks.h"
#include "platform/qt_settings_store.h"

#include "support/fakes.h"
#include "support/qt_application.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

TEST(QtSettingsStoreTest, ValuesSurviveIntoTheNextRunExactlyUnderTheirSections) {
    const testing::TempDir folder; // in place of the user's settings folder
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.str()));
    const std::string values[][3] = {{"CommPort", "LastCommPort", "3"},
                                     {"TypeOfTarget", "LastCommPort", "2"}, // another section
                                     {"TypeOfTarget", "LastTypeOfTarget", " 1"},
                                     {"TypeOfTarget", "Note", "B\xFCro \x80"}};
    {
        QtSettingsStore store;
        EXPECT_EQ(store.Read("CommPort", "LastCommPort"), "") << "nothing stored yet";
        for (const auto& [section, key, value] : values)
            store.Write(section, key, value);
    }
    QtSettingsStore next;
    for (const auto& [section, key, value] : values)
        EXPECT_EQ(next.Read(section, key), value) << section << "/" << key;
    // The file's format.
    const std::string written = testing::ReadFile(folder.path() / "Kavrel" / "Kavrel.conf");
    EXPECT_NE(written.find("[CommPort]\nLastCommPort=3\n"), std::string::npos) << written;
}

// Two objects stand for two running copies of the program.
TEST(QtFileLocksTest, OneCopyAtATimeAndALockOfADeadCopyIsTakenOver) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const testing::TempDir dir;
    const std::string index = (dir.path() / "VESK.ini").string();
    QtFileLocks first, second;
    ASSERT_TRUE(first.Lock(index) && first.Lock(index)) << "held already";
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
