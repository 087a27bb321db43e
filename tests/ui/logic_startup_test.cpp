// The main window's load: defaults on a first run and the settings kept from the last one.
// Writing them at the end and reading them back is the window's lifecycle test.

#include "logic_fixture.h"

#include "workspace/settings_store.h"
#include "workspace/startup.h"

#include <array>

namespace orvane::ui_testing {
namespace {

class MemorySettingsStore final : public SettingsStore {
  public:
    std::map<std::pair<std::string, std::string>, std::string> values;

    std::string Read(const std::string& section, const std::string& key) override {
        return values[{section, key}];
    }
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        values[{section, key}] = value;
    }
};

class StartupTest : public LogicTest {
  protected:
    // A data root that does not exist yet, as on a first run.
    StartupTest() { std::filesystem::remove_all(services.dataRoot); }

    void Load() { Form_Load(ws, win, services, settings, port); }

    MemorySettingsStore settings;
};

TEST_F(StartupTest, FirstRunWithNothingStored) {
    win.Text1.visible = false;
    win.imgScreenVisible = win.scrGraphicVisible = win.Text2.visible = true;
    ws.Connected = ws.RecordInEditor = true;
    ws.TargetDir.clear();
    AddReport("WORKSPACE_12052026-034512AM");
    Load();
    EXPECT_EQ(ws.TargetDir, "VESK");
    EXPECT_TRUE(ws.VeskMode);
    EXPECT_TRUE(DirectoryExists("VESK"));
    EXPECT_EQ(win.StatusPanel,
              (std::array<std::string, 3>{"Disconnected", "Serial Port : ", "Target:Vesk/VeskM"}));
    EXPECT_EQ(win.HeaderLabel,
              (std::array<std::string, 4>{"Company", "Technician", "Ticket/Order", "Comments"}));
    EXPECT_EQ(Layout(), "Text1") << "every start shows the text view, whatever the target";
    EXPECT_EQ(ws.ReportCount + ws.ListCount, 0);
    EXPECT_EQ(ws.ReportState[1], ReportFree);
    EXPECT_FALSE(ws.Connected || ws.Disconnected || ws.RecordInEditor);
}

TEST_F(StartupTest, StoredValuesAreRestored) {
    settings.values = {{{"CommPort", "LastCommPort"}, "3"},
                       {{"SerialSetting", "LastSetting"}, "19200,E,7,1"},
                       {{"TypeOfTarget", "LastTypeOfTarget"}, " 2"}};
    Load();
    EXPECT_EQ(port.port, 3);
    EXPECT_EQ(port.Settings(), "19200,e,7,1");
    EXPECT_EQ(ws.TypeOfTarget, TargetTarn);
    EXPECT_EQ(win.StatusPanel[2], "Target:Tarn/TarnX");
    EXPECT_TRUE(DirectoryExists("TARN"));
    EXPECT_EQ(Layout(), "Text1") << "the layout is not switched at start-up";
}

// The stored target is read as the number its text begins with, rounded half to even; one that
// names no family would leave TargetDir empty and put the index into the data root itself.
TEST_F(StartupTest, AStoredTargetIsReadAsANumberAndOneThatNamesNoFamilyStartsAsVesk) {
    const struct {
        const char* stored;
        std::size_t family; // in the dialog's order: Tarn, Vesk, Oru
    } rows[] = {{"", 1},     {"abc", 1},  {"0", 1},   {" 7", 1},   {"-1", 1},         {"3", 2},
                {"\t3x", 2}, {"3.49", 2}, {"2.5", 0}, {"+1.6", 0}, {"99999999999", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << '"' << row.stored << '"');
        settings.values[{"TypeOfTarget", "LastTypeOfTarget"}] = row.stored;
        ws.TargetDir.clear();
        win.StatusPanel = {};
        Load();
        EXPECT_EQ(ws.TargetDir, TargetFamilies[row.family].keyword);
        EXPECT_EQ(win.StatusPanel[2], TargetFamilies[row.family].statusText);
    }
}

} // namespace
} // namespace orvane::ui_testing
