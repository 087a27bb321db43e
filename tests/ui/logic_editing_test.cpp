#include "logic_fixture.h"

#include "ui/logic/editing.h"

namespace orvane::logic_testing {
namespace {

class EditingTest : public LogicTest {
  protected:
    EditingTest() {
        UseVesk();
        win.Text1.text = "LEVEL -12.5 dBm";
        win.Text2.text = "SCREEN 2";
    }

    // Opens a text record holding `text` in Text1 for editing.
    int OpenRecord(const std::string& text) {
        report = AddReport("WORKSPACE_12052026-034512AM");
        const int n = AddRecord(report, KindRecord, text, "12052026-035651AM");
        DoubleClick(0);
        DoubleClick(1);
        return n;
    }

    int report = 0;
};

TEST_F(EditingTest, CutMovesTheSelectionOfTheTextViewToTheClipboard) {
    const EditOutcome outcome = mnuCut_Click(ws, win, clipboard, {{6, 5}, {}});
    EXPECT_EQ(clipboard.text, "-12.5");
    EXPECT_EQ(win.Text1.text, "LEVEL  dBm");
    EXPECT_EQ(outcome.box, TextBoxId::Text1);
    EXPECT_EQ(outcome.selection.start, 6u);
    EXPECT_EQ(outcome.selection.length, 0u);
}

TEST_F(EditingTest, CutActsOnlyOnAShownTextView) {
    clipboard.text = "kept";
    win.Text1.visible = false;
    win.Text2.visible = true;
    EXPECT_EQ(mnuCut_Click(ws, win, clipboard, {{0, 5}, {0, 6}}).box, TextBoxId::None);
    EXPECT_EQ(clipboard.text, "kept");
    EXPECT_EQ(win.Text1.text, "LEVEL -12.5 dBm");
    EXPECT_EQ(win.Text2.text, "SCREEN 2");
}

TEST_F(EditingTest, CopyTakesTheTextViewElseTheSecondBox) {
    mnuCopy_Click(win, clipboard, {{0, 5}, {0, 6}});
    EXPECT_EQ(clipboard.text, "LEVEL");

    win.Text1.visible = false;
    win.Text2.visible = true;
    mnuCopy_Click(win, clipboard, {{0, 5}, {0, 6}});
    EXPECT_EQ(clipboard.text, "SCREEN");

    win.Text2.visible = false;
    mnuCopy_Click(win, clipboard, {{0, 5}, {0, 6}});
    EXPECT_EQ(clipboard.text, "SCREEN");
}

TEST_F(EditingTest, AnEmptySelectionCopiesAnEmptyText) {
    clipboard.text = "before";
    mnuCopy_Click(win, clipboard, {{3, 0}, {}});
    EXPECT_EQ(clipboard.text, "");
}

TEST_F(EditingTest, PasteReplacesTheSelectionAndPutsTheCaretAfterIt) {
    clipboard.text = "-3.0";
    const EditOutcome outcome = mnuPaste_Click(ws, win, clipboard, {{6, 5}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL -3.0 dBm");
    EXPECT_EQ(outcome.box, TextBoxId::Text1);
    EXPECT_EQ(outcome.selection.start, 10u);

    win.Text1.visible = false;
    win.Text2.visible = true;
    mnuPaste_Click(ws, win, clipboard, {{}, {7, 1}});
    EXPECT_EQ(win.Text2.text, "SCREEN -3.0");
}

TEST_F(EditingTest, PasteWithoutClipboardTextOnlyDeletesTheSelection) {
    mnuPaste_Click(ws, win, clipboard, {{5, 6}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL dBm");
}

TEST_F(EditingTest, ASelectionBeyondTheTextIsCutToIt) {
    clipboard.text = "!";
    mnuPaste_Click(ws, win, clipboard, {{40, 3}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL -12.5 dBm!");
    mnuCut_Click(ws, win, clipboard, {{12, 99}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL -12.5 ");
    EXPECT_EQ(clipboard.text, "dBm!");
}

TEST_F(EditingTest, SelectAllPicksTheShownBox) {
    EditOutcome outcome = mnuSelectAll_Click(win);
    EXPECT_EQ(outcome.box, TextBoxId::Text1);
    EXPECT_EQ(outcome.selection.length, win.Text1.text.size());

    win.Text1.visible = false;
    win.Text2.visible = true;
    outcome = mnuSelectAll_Click(win);
    EXPECT_EQ(outcome.box, TextBoxId::Text2);
    EXPECT_EQ(outcome.selection.length, 8u);

    win.Text2.visible = false;
    EXPECT_EQ(mnuSelectAll_Click(win).box, TextBoxId::None);
}

TEST_F(EditingTest, NothingHappensWhileTheGraphIsShown) {
    win.Text1.visible = false;
    clipboard.text = "kept";
    UseTarn();
    Clear_Screen(ws, win);
    UseVesk();
    Clear_Screen(ws, win);
    mnuPaste_Click(ws, win, clipboard, {{0, 5}, {0, 5}});
    mnuCopy_Click(win, clipboard, {{0, 5}, {0, 5}});
    EXPECT_EQ(win.Text1.text, "LEVEL -12.5 dBm");
    EXPECT_EQ(win.Text2.text, "SCREEN 2");
    EXPECT_EQ(clipboard.text, "kept");
}

TEST_F(EditingTest, ClearScreenUnderTarnEmptiesBothShownBoxes) {
    UseTarn();
    win.Text2.visible = true;
    Clear_Screen(ws, win);
    EXPECT_EQ(win.Text1.text, "");
    EXPECT_EQ(win.Text2.text, "");
}

TEST_F(EditingTest, ClearScreenUnderVeskEmptiesOnlyTheTextView) {
    win.Text2.visible = true;
    Clear_Screen(ws, win);
    EXPECT_EQ(win.Text1.text, "");
    EXPECT_EQ(win.Text2.text, "SCREEN 2");
}

TEST_F(EditingTest, CommandsOnTheOpenRecordChangeIt) {
    const int n = OpenRecord("LEVEL -12.5 dBm");

    mnuCut_Click(ws, win, clipboard, {{0, 6}, {}});
    EXPECT_EQ(ws.RecordText[report][n], "-12.5 dBm");
    clipboard.text = "LEVEL ";
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});
    EXPECT_EQ(ws.RecordText[report][n], "LEVEL -12.5 dBm");
    Clear_Screen(ws, win);
    EXPECT_EQ(ws.RecordText[report][n], "");
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(EditingTest, CommandsAfterTheViewWasTakenOverLeaveTheRecordAlone) {
    const int n = OpenRecord("LEVEL -12.5 dBm");
    win.Text1.Set("CAPTURED");

    Clear_Screen(ws, win);
    clipboard.text = "pasted";
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});

    EXPECT_EQ(ws.RecordText[report][n], "LEVEL -12.5 dBm");
    EXPECT_EQ(win.Text1.text, "pasted");
}

} // namespace
} // namespace orvane::logic_testing
