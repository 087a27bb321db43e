#include "platform/qt_settings_store.h"

#include "support/fakes.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(QtSettingsStoreTest, ValuesSurviveIntoTheNextRunExactlyUnderTheirSections) {
    const testing::TempDir folder; // in place of the user's settings folder
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.str()));
    const std::string values[][3] = {
        {"CommPort", "LastCommPort", "3"},          {"SerialSetting", "LastSetting", "19200,e,7,1"},
        {"TypeOfTarget", "LastCommPort", "2"}, // the same key in another section
        {"TypeOfTarget", "LastTypeOfTarget", " 1"}, {"TypeOfTarget", "Note", "B\xFCro \x80"},
    };
    {
        QtSettingsStore store;
        EXPECT_EQ(store.Read("CommPort", "LastCommPort"), "") << "nothing stored yet";
        for (const auto& [section, key, value] : values)
            store.Write(section, key, value);
    }
    QtSettingsStore next;
    for (const auto& [section, key, value] : values)
        EXPECT_EQ(next.Read(section, key), value) << section << "/" << key;
#ifndef _WIN32
    // The file's format; Windows keeps the settings in the registry instead.
    const std::string written = testing::ReadFile(folder.path() / "Kavrel" / "Kavrel.conf");
    EXPECT_NE(written.find("[CommPort]\nLastCommPort=3\n"), std::string::npos) << written;
#endif
}

} // namespace
} // namespace orvane
