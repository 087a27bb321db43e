#include "logic_fixture.h"

#include "ui/logic/target_selection.h"
#include "workspace/startup.h"

#include <array>
#include <filesystem>

namespace orvane::logic_testing {
namespace {

namespace fs = std::filesystem;

class StartupTest : public LogicTest {
  protected:
    StartupTest() {
        // A data root that does not exist yet, as on a first run.
        fs::remove_all(services.dataRoot);
        port.open = true;
    }

    void Load() { Form_Load(ws, win, services, settings, port); }
    void Store(const char* section, const char* key, const char* value) {
        settings.values[{section, key}] = value;
    }
    std::string Stored(const char* section, const char* key) { return settings.Read(section, key); }

    MemorySettingsStore settings;
};

TEST_F(StartupTest, FirstRunWithNothingStored) {
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    win.Text2.visible = true;

    Load();

    EXPECT_EQ(port.port, 1);
    EXPECT_EQ(port.Settings(), "9600,n,8,1");
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(port.rts);
    EXPECT_EQ(port.inputMode, InputMode::Text);

    EXPECT_EQ(ws.TypeOfTarget, TargetVesk);
    EXPECT_EQ(ws.TargetDir, "VESK");
    EXPECT_TRUE(ws.VeskMode);
    EXPECT_TRUE(fs::is_directory(fs::path(services.dataRoot) / "VESK"));
    EXPECT_EQ(win.StatusPanel,
              (std::array<std::string, 3>{"Disconnected", "Serial Port : ", "Target:Vesk/VeskM"}));
    EXPECT_EQ(win.HeaderLabel,
              (std::array<std::string, 4>{"Company", "Technician", "Ticket/Order", "Comments"}));

    // Every start shows the text view, whatever the target.
    EXPECT_TRUE(win.Text1.visible);
    EXPECT_FALSE(win.Text2.visible);
    EXPECT_FALSE(win.imgScreenVisible);
    EXPECT_FALSE(win.scrGraphicVisible);

    EXPECT_EQ(ws.ReportCount, 0);
    EXPECT_EQ(ws.ListCount, 0);
    EXPECT_EQ(ws.ReportState[50], ReportFree);
    EXPECT_EQ(ws.RecordType[1][1], KindFree);
    EXPECT_FALSE(ws.Connected || ws.Disconnected || ws.RecordInEditor);
}

TEST_F(StartupTest, StoredValuesAreRestored) {
    Store("CommPort", "LastCommPort", "3");
    Store("SerialSetting", "LastSetting", "19200,E,7,1");
    Store("TypeOfTarget", "LastTypeOfTarget", " 2");

    Load();

    EXPECT_EQ(port.port, 3);
    EXPECT_EQ(port.Settings(), "19200,e,7,1");
    EXPECT_EQ(ws.TypeOfTarget, TargetTarn);
    EXPECT_EQ(win.StatusPanel[2], "Target:Tarn/TarnX");
    EXPECT_EQ(TargetOption(ws.TypeOfTarget), 0);
    EXPECT_TRUE(fs::is_directory(fs::path(services.dataRoot) / "TARN"));
    // The layout is not switched at start-up.
    EXPECT_TRUE(win.Text1.visible);
}

TEST_F(StartupTest, AStoredPortThatIsNoNumberLeavesPortOne) {
    Store("CommPort", "LastCommPort", "COM3");
    Load();
    EXPECT_EQ(port.port, 1);
}

TEST_F(StartupTest, AStoredTargetThatNamesNoFamilyStartsAsVesk) {
    for (const char* stored : {"abc", "0", " 7", "-1"}) {
        Store("TypeOfTarget", "LastTypeOfTarget", stored);
        Load();
        EXPECT_EQ(ws.TypeOfTarget, TargetVesk) << stored;
        EXPECT_EQ(ws.TargetDir, "VESK") << stored;
        EXPECT_EQ(win.StatusPanel[2], "Target:Vesk/VeskM") << stored;
    }
    Store("TypeOfTarget", "LastTypeOfTarget", "3");
    Load();
    EXPECT_EQ(ws.TargetDir, "ORU");
}

TEST_F(StartupTest, ShutDownStoresTheSettingsAndRemovesTheScratchDocument) {
    Load();
    port.SetCommPort(3);
    port.SetSettings("19200,E,7,1");
    port.Open();
    testing::WriteFile(fs::path(services.dataRoot) / "temp.doc", "left over");

    Form_Unload(ws, services, settings, port);

    EXPECT_FALSE(port.open);
    EXPECT_EQ(Stored("CommPort", "LastCommPort"), "3");
    EXPECT_EQ(Stored("SerialSetting", "LastSetting"), "19200,e,7,1");
    EXPECT_EQ(Stored("TypeOfTarget", "LastTypeOfTarget"), " 1");
    EXPECT_FALSE(fs::exists(fs::path(services.dataRoot) / "temp.doc"));
}

TEST_F(StartupTest, ShutDownWithoutALoadedWorkspaceKeepsTheStoredIndex) {
    Load();
    const fs::path index = fs::path(services.dataRoot) / "VESK" / "VESK.ini";
    testing::WriteFile(index, "-\r\nWORKSPACE_12052026-034512AM\r\n\r\n\r\n\r\n\r\n#\r\n");

    Form_Unload(ws, services, settings, port);

    EXPECT_EQ(testing::ReadFile(index),
              "-\r\nWORKSPACE_12052026-034512AM\r\n\r\n\r\n\r\n\r\n#\r\n");
}

} // namespace
} // namespace orvane::logic_testing
