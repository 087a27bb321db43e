// Start-up and shut-down of the window: settings written at exit are read at the next start,
// the workspace and the scratch document are dealt with.

#include "window_fixture.h"

#include <QLabel>
#include <QRadioButton>

namespace orvane::window_testing {
namespace {

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, SettingsWrittenAtExitAreReadAtTheNextStart) {
    {
        MainWindow& window = Started();
        window.Menus().mnuTarget->trigger();
        window.Form4()->Option(0)->setChecked(true);
        window.Form4()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        run->port.port = 3;
        run->port.settings = "19200,E,7,1";
        window.close();
    }
    EXPECT_FALSE(run->port.open);

    run = std::make_unique<ProgramRun>(DataRoot());
    MainWindow& next = Started();
    EXPECT_EQ(run->port.port, 3);
    EXPECT_EQ(run->port.settings, "19200,e,7,1");
    EXPECT_EQ(next.StatusPanel(2)->text(), QStringLiteral("Target:Tarn/TarnX"));
    EXPECT_TRUE(next.Form4()->Option(0)->isChecked());
    // The language is not kept: every start is English.
    EXPECT_EQ(next.Frame3()->Labels()[0]->text(), QStringLiteral("Company"));
}

TEST_F(LifecycleTest, ExitWritesTheWorkspaceAndRemovesTheScratchDocument) {
    MainWindow& window = Started();
    Connect(window);
    testing::WriteFile(DataPath("temp.doc"), "left over");
    run->ws.ReportField[run->ws.ReportCount][1] = "WRITTEN AT EXIT";
    window.Menus().mnuExit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(std::filesystem::exists(DataPath("temp.doc")));
    EXPECT_NE(testing::ReadFile(DataPath("VESK/VESK.ini")).find("WRITTEN AT EXIT"),
              std::string::npos);
    EXPECT_FALSE(run->port.open);
}

TEST_F(LifecycleTest, ShutDownRunsOnceThoughBothWaysAreTaken) {
    MainWindow& window = Started();
    run->port.port = 2;
    window.Menus().mnuExit->trigger();
    run->port.port = 5;
    window.close();
    EXPECT_EQ(QtSettingsStore().Read("CommPort", "LastCommPort"), "2");
}

} // namespace
} // namespace orvane::window_testing
