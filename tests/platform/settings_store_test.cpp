#include "platform/qt_settings_store.h"

#include "support/fakes.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The store writes under the user's settings folder; point that into a temporary folder.
class QtSettingsStoreTest : public ::testing::Test {
  protected:
    QtSettingsStoreTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder.str()));
    }

    testing::TempDir folder;
};

TEST_F(QtSettingsStoreTest, NothingStoredReadsEmpty) {
    QtSettingsStore store;
    EXPECT_EQ(store.Read("CommPort", "LastCommPort"), "");
}

TEST_F(QtSettingsStoreTest, ValuesSurviveIntoTheNextRunExactly) {
    {
        QtSettingsStore store;
        store.Write("CommPort", "LastCommPort", "3");
        store.Write("SerialSetting", "LastSetting", "19200,e,7,1");
        store.Write("TypeOfTarget", "LastTypeOfTarget", " 1");
        store.Write("TypeOfTarget", "Note", "B\xFCro \x80");
    }
    QtSettingsStore next;
    EXPECT_EQ(next.Read("CommPort", "LastCommPort"), "3");
    EXPECT_EQ(next.Read("SerialSetting", "LastSetting"), "19200,e,7,1");
    EXPECT_EQ(next.Read("TypeOfTarget", "LastTypeOfTarget"), " 1");
    EXPECT_EQ(next.Read("TypeOfTarget", "Note"), "B\xFCro \x80");
}

TEST_F(QtSettingsStoreTest, SectionsKeepTheirKeysApart) {
    QtSettingsStore store;
    store.Write("CommPort", "Last", "3");
    store.Write("SerialSetting", "Last", "9600,n,8,1");
    EXPECT_EQ(store.Read("CommPort", "Last"), "3");
    EXPECT_EQ(store.Read("SerialSetting", "Last"), "9600,n,8,1");
}

#ifndef _WIN32
TEST_F(QtSettingsStoreTest, TheApplicationIsKavrel) {
    QtSettingsStore store;
    store.Write("CommPort", "LastCommPort", "2");
    const std::string written = testing::ReadFile(folder.path() / "Kavrel" / "Kavrel.conf");
    EXPECT_NE(written.find("[CommPort]"), std::string::npos);
    EXPECT_NE(written.find("LastCommPort=2"), std::string::npos);
}
#endif

} // namespace
} // namespace orvane
