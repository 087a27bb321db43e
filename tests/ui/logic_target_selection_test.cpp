// The target dialog's OK: clearing the view on a change of family, the layout, the serial
// input mode, the family's directory and the view caption kept across the switches.

#include "logic_fixture.h"

#include "workspace/report_commands.h"

#include <optional>

namespace orvane::ui_testing {
namespace {

constexpr int TarnOption = 0, VeskOption = 1, OruOption = 2;

class TargetSelectionTest : public LogicTest {
  protected:
    void Ok(std::optional<int> option) {
        Form4_cmdOK_Click(ws, win, services, port, surfaces, option);
    }
};

TEST_F(TargetSelectionTest, VeskToTarnWhileAGraphIsShown) {
    win.Frame2Caption = "   RECORD:  12052026-035651AM";
    Ok(VeskOption);
    win.Text1.text = "text held while hidden";
    screen.loaded = temp.loaded = EncodedImage{"graph", 1, 1};
    Ok(TarnOption);
    EXPECT_EQ(screen.loaded.png + temp.loaded.png, "");
    EXPECT_EQ(Layout(), "Text1");
    EXPECT_EQ(win.Text1.text, "text held while hidden");
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_EQ(win.StatusPanel[2], "Target:Tarn/TarnX");
    EXPECT_EQ(ws.TargetDir, "TARN");
    EXPECT_TRUE(ws.TarnMode && !ws.VeskMode);
    EXPECT_EQ(port.inputMode, InputMode::Text);
    EXPECT_TRUE(DirectoryExists("TARN"));
}

// While the link is down the list follows the family: the family left is written first, the
// new one's saved reports are listed as they are, with no fresh report added.
TEST_F(TargetSelectionTest, TarnToOruEmptiesTheViewWritesTarnAndListsOnlyOrusOwnReports) {
    Ok(TarnOption);
    const int r = AddReport("WORKSPACE_12052026-034512AM");
    const int n = AddRecord(r, KindRecord, "record text", "12052026-035651AM");
    const std::string path = services.dataRoot + "/TARN/12052026-035651AM.txt";
    ws.RecordPath[r][n] = path;
    ws.Dirty = true;
    DoubleClick(0);
    DoubleClick(1);
    ASSERT_EQ(win.Text1.text, "record text");
    Ok(OruOption);
    Text1_Change(ws, win, "typed into the emptied view");
    EXPECT_EQ(testing::ReadFile(path), "record text\r\n");
    EXPECT_EQ(ws.ListCount + ws.ReportCount, 0) << "Oru has no saved reports";
    EXPECT_EQ(Layout(), "imgScreen scrGraphic");
    EXPECT_EQ(win.Frame2Caption, "Screen");
    EXPECT_EQ(ws.TargetDir, "ORU");
    EXPECT_EQ(port.inputMode, InputMode::Binary);
    EXPECT_TRUE(DirectoryExists("ORU"));

    mnuNewReport_Click(ws, win, services);
    Ok(TarnOption);
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.ListText[0], "WORKSPACE_12052026-034512AM");
    EXPECT_EQ(ws.RecordText[1][1], "record text");
    EXPECT_NE(testing::ReadFile(std::filesystem::path(services.dataRoot) / "ORU/ORU.ini")
                  .find("WORKSPACE_"),
              std::string::npos)
        << "the report made under Oru is filed in Oru's index";
}

TEST_F(TargetSelectionTest, TarnShowsTheViewCaptionSavedByTheLastGraphFamilyOk) {
    Ok(TarnOption);
    EXPECT_EQ(win.Frame2Caption, "") << "no graph family applied since start-up";
    win.Frame2Caption = "Report";
    Ok(VeskOption);
    Ok(OruOption); // saves the "Screen" the first OK put up
    Ok(TarnOption);
    EXPECT_EQ(win.Frame2Caption, "Screen");
}

TEST_F(TargetSelectionTest, OkWithoutAChangeOfFamilyClearsNothingButLaysOutAgain) {
    for (const std::optional<int> option : {std::optional<int>(VeskOption), std::optional<int>()}) {
        SCOPED_TRACE(option ? "the same family" : "no option selected");
        win.Text1 = {"kept", true, 0};
        port.inputMode = InputMode::Text;
        std::filesystem::remove(std::filesystem::path(services.dataRoot) / "VESK");
        Ok(option);
        EXPECT_EQ(win.Text1.text, "kept");
        EXPECT_EQ(screen.clears, 0);
        EXPECT_EQ(ws.TypeOfTarget, TargetVesk);
        EXPECT_EQ(Layout(), "imgScreen scrGraphic");
        EXPECT_EQ(port.inputMode, InputMode::Binary);
        EXPECT_TRUE(DirectoryExists("VESK"));
    }
}

// The dialog is not modal: opened before Connect, its OK comes while the link is up.
TEST_F(TargetSelectionTest, OkWhileConnectedIsRefusedAndChangesNothing) {
    Ok(VeskOption);
    win.Text1 = {"kept", false, 0};
    ws.Connected = true;
    Ok(TarnOption);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Disconnect first!"});
    EXPECT_EQ(ws.TargetDir, "VESK");
    EXPECT_TRUE(ws.VeskMode && !ws.TarnMode);
    EXPECT_EQ(Layout(), "imgScreen scrGraphic");
    EXPECT_EQ(port.inputMode, InputMode::Binary);
    ws.Disconnected = true;
    Ok(TarnOption);
    EXPECT_EQ(ws.TargetDir, "TARN") << "after Disconnect";
}

} // namespace
} // namespace orvane::ui_testing
