// The Edit menu's commands and Clear Screen: which box each acts on, what they do to the
// selection and the clipboard, and when they change the record opened in the text view.

#include "logic_fixture.h"

#include "ui/logic/editing.h"

namespace orvane::ui_testing {
namespace {

class EditingTest : public LogicTest {
  protected:
    EditingTest() { ShowBoxes(true, false); }

    void ShowBoxes(bool text1, bool text2) {
        win.Text1 = {"LEVEL -12.5 dBm", text1, 0};
        win.Text2 = {"SCREEN 2", text2, 0};
    }
};

TEST_F(EditingTest, CopyPasteAndSelectAllTakeText1ElseText2AndCutText1Only) {
    const struct {
        bool text1, text2;
        TextBoxId box;
        const char* copied;
        std::size_t length;
    } rows[] = {{true, true, TextBoxId::Text1, "LEVEL", 15},
                {false, true, TextBoxId::Text2, "SCREEN", 8},
                {false, false, TextBoxId::None, "kept", 0}};
    const Selections selections{{0, 5}, {0, 6}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "Text1 " << row.text1 << ", Text2 " << row.text2);
        ShowBoxes(row.text1, row.text2);
        clipboard.text = "kept";
        mnuCopy_Click(win, clipboard, selections);
        EXPECT_EQ(clipboard.text, row.copied);
        const EditOutcome all = mnuSelectAll_Click(win);
        EXPECT_EQ(all.box, row.box);
        EXPECT_EQ(all.selection.length, row.length);

        clipboard.text = "X";
        EXPECT_EQ(mnuPaste_Click(ws, win, clipboard, selections).box, row.box);
        EXPECT_EQ(win.Text1.text, row.box == TextBoxId::Text1 ? "X -12.5 dBm" : "LEVEL -12.5 dBm");
        EXPECT_EQ(win.Text2.text, row.box == TextBoxId::Text2 ? "X 2" : "SCREEN 2");

        ShowBoxes(row.text1, row.text2);
        EXPECT_EQ(mnuCut_Click(ws, win, clipboard, selections).box,
                  row.text1 ? TextBoxId::Text1 : TextBoxId::None);
        EXPECT_EQ(win.Text1.text + "|" + win.Text2.text,
                  row.text1 ? " -12.5 dBm|SCREEN 2" : "LEVEL -12.5 dBm|SCREEN 2");
    }
}

TEST_F(EditingTest, ClearScreenEmptiesTheShownBoxesOfTheFamily) {
    const struct {
        std::int32_t target;
        bool text1, text2;
        const char* after; // Text1|Text2
    } rows[] = {{TargetTarn, true, true, "|"},
                {TargetTarn, false, true, "LEVEL -12.5 dBm|"},
                {TargetTarn, false, false, "LEVEL -12.5 dBm|SCREEN 2"},
                {TargetVesk, true, true, "|SCREEN 2"},
                {TargetOru, false, true, "LEVEL -12.5 dBm|SCREEN 2"},
                {TargetVesk, false, false, "LEVEL -12.5 dBm|SCREEN 2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "target " << row.target << ", Text1 " << row.text1
                                          << ", Text2 " << row.text2);
        ApplyTarget(ws, win, services, row.target);
        ShowBoxes(row.text1, row.text2);
        Clear_Screen(ws, win);
        EXPECT_EQ(win.Text1.text + "|" + win.Text2.text, row.after);
    }
}

TEST_F(EditingTest, CutAndPasteReplaceTheSelectionWithinTheText) {
    EditOutcome outcome = mnuCut_Click(ws, win, clipboard, {{6, 5}, {}});
    EXPECT_EQ(clipboard.text, "-12.5");
    EXPECT_EQ(win.Text1.text, "LEVEL  dBm");
    EXPECT_EQ(outcome.selection.start, 6u);
    EXPECT_EQ(outcome.selection.length, 0u);

    clipboard.text = "-3.0";
    outcome = mnuPaste_Click(ws, win, clipboard, {{6, 0}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL -3.0 dBm");
    EXPECT_EQ(outcome.selection.start, 10u) << "the caret stands after the pasted text";

    // A selection beyond the text is cut to it.
    clipboard.text = "!";
    mnuPaste_Click(ws, win, clipboard, {{40, 3}, {}});
    mnuCut_Click(ws, win, clipboard, {{11, 99}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL -3.0 ");
    EXPECT_EQ(clipboard.text, "dBm!");

    // An empty selection copies an empty text; an empty clipboard pastes as a deletion.
    mnuCopy_Click(win, clipboard, {{3, 0}, {}});
    EXPECT_EQ(clipboard.text, "");
    mnuPaste_Click(ws, win, clipboard, {{5, 6}, {}});
    EXPECT_EQ(win.Text1.text, "LEVEL");
}

TEST_F(EditingTest, CommandsChangeTheOpenRecordUntilTheViewIsTakenOver) {
    const int r = AddReport("WORKSPACE_12052026-034512AM");
    const int n = AddRecord(r, KindRecord, "LEVEL -12.5 dBm", "12052026-035651AM");
    DoubleClick(0);
    DoubleClick(1);
    Clear_Screen(ws, win);
    EXPECT_EQ(ws.RecordText[r][n], "");
    clipboard.text = "LEVEL";
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});
    mnuCut_Click(ws, win, clipboard, {{0, 2}, {}});
    EXPECT_EQ(ws.RecordText[r][n], "VEL");
    EXPECT_TRUE(ws.Dirty);

    win.Text1.Set("CAPTURED");
    Clear_Screen(ws, win);
    clipboard.text = "pasted";
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});
    EXPECT_EQ(win.Text1.text, "pasted");
    EXPECT_EQ(ws.RecordText[r][n], "VEL");
}

} // namespace
} // namespace orvane::ui_testing
