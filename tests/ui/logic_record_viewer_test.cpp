// Opening records from the list: what each view shows, and that only the user's own edits
// reach the record opened in the text view. Clicks through the real list are the window's.

#include "logic_fixture.h"

#include <algorithm>

namespace orvane::ui_testing {
namespace {

class RecordViewerTest : public LogicTest {
  protected:
    RecordViewerTest() {
        first = AddReport("WORKSPACE_12052026-034512AM");
        text = AddRecord(first, KindRecord, "\r\nLEVEL -12.5 dBm", "12052026-035651AM");
        graph = AddRecord(first, KindGraph, "", "12052026-040112AM");
        second = AddReport("WORKSPACE_12062026-080000AM");
    }

    // Opens the first report and the record on `line` (1: text, 2: graph).
    void OpenRecord(int line) {
        DoubleClick(0);
        ASSERT_EQ(ws.ReportState[first], ReportOpen);
        DoubleClick(line);
    }

    int first = 0, text = 0, graph = 0, second = 0;
};

TEST_F(RecordViewerTest, AGraphRecordIsShownUnscaledAndATextRecordBringsTheTextViewBack) {
    documents[ws.RecordPath[first][graph]] = EncodedImage{"PNG bytes", 520, 900};
    clipboard.text = "the user's clipboard";
    win.Text2.visible = true;
    win.scrGraphicValue = 40;
    OpenRecord(2);
    EXPECT_EQ(Layout(), "imgScreen scrGraphic");
    EXPECT_EQ(win.scrGraphicValue, 0);
    EXPECT_EQ(win.Frame2Caption, "   GRAPH:    12052026-040112AM");
    EXPECT_EQ(screen.loaded.png, "PNG bytes");
    EXPECT_EQ(temp.loaded.height, 900);
    // The picture travels by the clipboard, which loses the user's text.
    EXPECT_EQ(clipboard.text, "");
    EXPECT_EQ(clipboard.image.png, "PNG bytes");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(ws.RecordInEditor) << "a graph record takes no text edits";

    DoubleClick(1);
    EXPECT_EQ(Layout(), "Text1");
    EXPECT_EQ(win.Text1.text, "\r\nLEVEL -12.5 dBm");
    EXPECT_TRUE(ws.RecordInEditor);
    EXPECT_EQ(ws.EditRecord, text);
}

TEST_F(RecordViewerTest, AnUnreadablePictureDocumentLeavesTheViewBlankAndSaysSo) {
    DoubleClick(0);
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "a document without a picture" : "no document");
        if (present)
            documents[ws.RecordPath[first][graph]] = EncodedImage{"", 1, 1}; // surfaces refuse it
        screen.loaded = temp.loaded = EncodedImage{"earlier graph", 10, 10};
        dialogs.messages.clear();
        DoubleClick(2);
        EXPECT_EQ(Layout(), "imgScreen scrGraphic");
        EXPECT_EQ(screen.loaded.png + temp.loaded.png, "");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].find(ws.RecordPath[first][graph]), std::string::npos);
    }
}

TEST_F(RecordViewerTest, UnderTarnAGraphRecordIsShownAsText) {
    ApplyTarget(ws, win, services, TargetTarn);
    ws.RecordText[first][graph] = "stored text";
    OpenRecord(2);
    EXPECT_EQ(Layout(), "Text1");
    EXPECT_EQ(win.Text1.text, "stored text");
    EXPECT_EQ(screen.clears, 0);
}

TEST_F(RecordViewerTest, ScrollingMovesTheGraphOnePixelPerTenUnits) {
    const struct {
        int value, offset;
    } rows[] = {{0, 0}, {9, 0}, {15, -1}, {25, -2}, {4695, -469}, {-5, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(scrGraphic_Change(win, row.value), row.offset) << row.value;
        EXPECT_EQ(win.scrGraphicValue, std::max(row.value, 0));
    }
}

TEST_F(RecordViewerTest, TextWrittenByACaptureNeverReachesTheOpenRecord) {
    OpenRecord(1);
    // A capture takes over the text view without any release over the list.
    win.Text1.Set("\r\nCAPTURED SCREEN");
    Text1_Change(ws, win, "\r\nCAPTURED SCREEN edited");
    win.Text1.Append(" more");
    Text1_Change(ws, win, win.Text1.text + "!");
    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm");
    EXPECT_FALSE(ws.RecordInEditor || ws.Dirty);
}

TEST_F(RecordViewerTest, OpenOnAClosedReportLineListsThatLinesRecords) {
    AddRecord(second, KindRecord, "", "12062026-080500AM");
    List1_Click(ws, win, 1);
    ws.CurrentReport = static_cast<std::int16_t>(first); // moved on since the click
    mnuRecordOpen_Click(ws, win, services, devices);
    EXPECT_EQ(ws.ReportState[second], ReportOpen);
    EXPECT_EQ(ws.ReportState[first], ReportClosed);
    EXPECT_EQ(ws.ListText[2], "   RECORD:  12062026-080500AM");
}

TEST_F(RecordViewerTest, RightClickEndsTheEditingAndOpenWithoutACurrentLineKeepsItEnded) {
    OpenRecord(1);
    EXPECT_TRUE(List1_MouseUp(ws, win, services, devices, MouseButton::Right));
    win.ListIndex = -1;
    mnuRecordOpen_Click(ws, win, services, devices);
    Text1_Change(ws, win, "typed");
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm");
}

} // namespace
} // namespace orvane::ui_testing
