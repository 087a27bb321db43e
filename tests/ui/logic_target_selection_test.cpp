#include "logic_fixture.h"

#include "ui/logic/target_selection.h"

#include <filesystem>

namespace orvane::logic_testing {
namespace {

constexpr int TarnOption = 0, VeskOption = 1, OruOption = 2;

class TargetSelectionTest : public LogicTest {
  protected:
    TargetSelectionTest() { ApplyTarget(ws, win, services, TargetVesk); }

    void Ok(std::optional<int> option) {
        Form4_cmdOK_Click(ws, win, services, port, surfaces, option);
    }
    bool DirectoryExists(const char* keyword) {
        return std::filesystem::is_directory(std::filesystem::path(services.dataRoot) / keyword);
    }

    GraphSurfaces surfaces{screen, temp};
};

TEST_F(TargetSelectionTest, FamiliesFollowTheDialogsOptionOrder) {
    EXPECT_EQ(TargetOption(TargetTarn), 0);
    EXPECT_EQ(TargetOption(TargetVesk), 1);
    EXPECT_EQ(TargetOption(TargetOru), 2);
    EXPECT_FALSE(TargetOption(0));
    EXPECT_EQ(FindTargetFamily(TargetOru)->statusText, "Target:Oru/Oru-c");
    EXPECT_EQ(FindTargetFamily(4), nullptr);
}

TEST_F(TargetSelectionTest, ApplyingAFamilySetsItsStateAndDirectory) {
    EXPECT_TRUE(ApplyTarget(ws, win, services, TargetOru));
    EXPECT_EQ(win.StatusPanel[2], "Target:Oru/Oru-c");
    EXPECT_EQ(ws.TypeOfTarget, TargetOru);
    EXPECT_EQ(ws.TargetDir, "ORU");
    EXPECT_TRUE(ws.VeskMode);
    EXPECT_FALSE(ws.TarnMode);
    EXPECT_TRUE(DirectoryExists("ORU"));

    EXPECT_FALSE(ApplyTarget(ws, win, services, 0));
    EXPECT_EQ(ws.TargetDir, "ORU");
}

TEST_F(TargetSelectionTest, TheDialogIsRefusedWhileConnected) {
    EXPECT_TRUE(mnuTarget_Click(ws, dialogs));
    ws.Connected = true;
    EXPECT_FALSE(mnuTarget_Click(ws, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Disconnect first!");
    ws.Connected = false;
    ws.Disconnected = true;
    EXPECT_TRUE(mnuTarget_Click(ws, dialogs));
}

TEST_F(TargetSelectionTest, VeskToTarnWhileAGraphIsShown) {
    win.Frame2Caption = "   RECORD:  12052026-035651AM";
    Ok(VeskOption);
    win.Text1.text = "text held while hidden";
    screen.picture = EncodedImage{"graph", 1, 1};
    temp.picture = EncodedImage{"graph", 1, 1};

    Ok(TarnOption);

    EXPECT_FALSE(screen.picture);
    EXPECT_FALSE(temp.picture);
    EXPECT_FALSE(win.imgScreenVisible);
    EXPECT_FALSE(win.scrGraphicVisible);
    EXPECT_TRUE(win.Text1.visible);
    EXPECT_EQ(win.Text1.text, "text held while hidden");
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_EQ(win.Frame1Caption, "Record List");
    EXPECT_EQ(win.StatusPanel[2], "Target:Tarn/TarnX");
    EXPECT_EQ(ws.TargetDir, "TARN");
    EXPECT_TRUE(ws.TarnMode);
    EXPECT_EQ(port.inputMode, InputMode::Text);
    EXPECT_TRUE(DirectoryExists("TARN"));
}

TEST_F(TargetSelectionTest, TarnToOruEmptiesTheTextViewButNotTheOpenRecord) {
    Ok(TarnOption);
    const int r = AddReport("WORKSPACE_12052026-034512AM");
    const int n = AddRecord(r, KindRecord, "record text", "12052026-035651AM");
    DoubleClick(0);
    DoubleClick(1);
    ASSERT_EQ(win.Text1.text, "record text");

    Ok(OruOption);
    Text1_Change(ws, win, "typed into the emptied view");

    EXPECT_EQ(ws.RecordText[r][n], "record text");
    EXPECT_FALSE(win.Text1.visible);
    EXPECT_TRUE(win.imgScreenVisible);
    EXPECT_TRUE(win.scrGraphicVisible);
    EXPECT_EQ(win.Frame2Caption, "Screen");
    EXPECT_EQ(port.inputMode, InputMode::Binary);
    EXPECT_TRUE(DirectoryExists("ORU"));
}

TEST_F(TargetSelectionTest, OkTwiceWithAGraphFamilySavesScreenAsTheViewCaption) {
    win.Frame2Caption = "Report";
    Ok(VeskOption);
    Ok(OruOption);
    EXPECT_EQ(ws.SavedViewCaption, "Screen");
    Ok(TarnOption);
    EXPECT_EQ(win.Frame2Caption, "Screen");
}

TEST_F(TargetSelectionTest, TarnBeforeAnyGraphFamilyLeavesTheViewCaptionEmpty) {
    Ok(TarnOption);
    EXPECT_EQ(win.Frame2Caption, "");
}

TEST_F(TargetSelectionTest, TheSameFamilyAgainClearsNothingButRestoresItsDirectory) {
    win.Text1.text = "kept";
    std::filesystem::remove(std::filesystem::path(services.dataRoot) / "VESK");

    Ok(VeskOption);

    EXPECT_EQ(win.Text1.text, "kept");
    EXPECT_EQ(screen.clears, 0);
    EXPECT_TRUE(DirectoryExists("VESK"));
    EXPECT_EQ(port.inputMode, InputMode::Binary);
}

TEST_F(TargetSelectionTest, NoOptionSelectedKeepsTheFamilyAndStillLaysOutTheWindow) {
    std::filesystem::remove(std::filesystem::path(services.dataRoot) / "VESK");
    port.inputMode = InputMode::Text;
    Ok(std::nullopt);
    EXPECT_EQ(ws.TypeOfTarget, TargetVesk);
    EXPECT_TRUE(DirectoryExists("VESK"));
    EXPECT_TRUE(win.imgScreenVisible);
    EXPECT_EQ(port.inputMode, InputMode::Binary);
}

} // namespace
} // namespace orvane::logic_testing
