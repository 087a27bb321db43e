#include "logic_fixture.h"

#include "ui/logic/record_viewer.h"

namespace orvane::logic_testing {
namespace {

class RecordViewerTest : public LogicTest {
  protected:
    RecordViewerTest() {
        UseVesk();
        first = AddReport("WORKSPACE_12052026-034512AM");
        text = AddRecord(first, KindRecord, "\r\nLEVEL -12.5 dBm", "12052026-035651AM");
        graph = AddRecord(first, KindGraph, "", "12052026-040112AM");
        second = AddReport("WORKSPACE_12062026-080000AM");
    }

    // Opens the first report with a double click; its records are then lines 1 and 2.
    void OpenFirstReport() {
        DoubleClick(0);
        ASSERT_EQ(ws.ReportState[first], ReportOpen);
    }

    int first = 0, text = 0, graph = 0, second = 0;
};

TEST_F(RecordViewerTest, DoubleClickOnAReportLineOpensItAndAgainFoldsIt) {
    DoubleClick(0);
    EXPECT_EQ(ws.ReportState[first], ReportOpen);
    ASSERT_EQ(ws.ListCount, 4);
    EXPECT_EQ(ws.ListText[1], ws.RecordLabel[first][text]);
    EXPECT_EQ(ws.ListText[3], ws.ReportName[second]);
    EXPECT_EQ(win.Caption, "Orvane Reporter");

    DoubleClick(0);
    EXPECT_EQ(ws.ReportState[first], ReportClosed);
    EXPECT_EQ(ws.ListCount, 2);
    EXPECT_EQ(ws.ListText[1], ws.ReportName[second]);
    EXPECT_EQ(win.Caption, "Orvane Reporter");
}

TEST_F(RecordViewerTest, SingleClicksOnlySelect) {
    List1_Click(ws, win, 1);
    EXPECT_FALSE(List1_MouseUp(ws, win, services, devices, MouseButton::Left));
    EXPECT_EQ(ws.ListSelection, 1);
    EXPECT_EQ(ws.CurrentReport, second);
    EXPECT_EQ(ws.ReportState[second], ReportClosed);
    EXPECT_EQ(ws.ListCount, 2);
}

TEST_F(RecordViewerTest, DoubleClickOnATextRecordShowsItWithItsReportsHeader) {
    OpenFirstReport();
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    win.scrGraphicVisible = true;

    DoubleClick(1);

    EXPECT_TRUE(win.Text1.visible);
    EXPECT_FALSE(win.imgScreenVisible);
    EXPECT_FALSE(win.scrGraphicVisible);
    EXPECT_EQ(win.Text1.text, "\r\nLEVEL -12.5 dBm");
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_EQ(win.Caption, "Kavrel::WORKSPACE_12052026-034512AM");
    EXPECT_EQ(win.HeaderBox[0], "WORKSPACE_12052026-034512AM field 1");
    EXPECT_EQ(win.HeaderBox[3], "WORKSPACE_12052026-034512AM field 4");
    EXPECT_TRUE(ws.RecordInEditor);
    EXPECT_EQ(ws.EditReport, first);
    EXPECT_EQ(ws.EditRecord, text);
}

TEST_F(RecordViewerTest, UnderTarnAGraphRecordIsShownAsText) {
    UseTarn();
    ws.RecordText[first][graph] = "stored text";
    OpenFirstReport();
    DoubleClick(2);
    EXPECT_TRUE(win.Text1.visible);
    EXPECT_EQ(win.Text1.text, "stored text");
    EXPECT_EQ(screen.clears, 0);
}

TEST_F(RecordViewerTest, TypingChangesTheOpenRecordUntilTheListIsClickedAgain) {
    OpenFirstReport();
    DoubleClick(1);

    Text1_Change(ws, win, "\r\nLEVEL -12.5 dBm ok");
    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm ok");
    EXPECT_TRUE(ws.Dirty);

    List1_Click(ws, win, 0);
    EXPECT_FALSE(List1_MouseUp(ws, win, services, devices, MouseButton::Left));
    Text1_Change(ws, win, "typed after the click");
    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm ok");
    EXPECT_EQ(win.Text1.text, "typed after the click");
}

TEST_F(RecordViewerTest, TextWrittenByACaptureNeverReachesTheOpenRecord) {
    OpenFirstReport();
    DoubleClick(1);

    // A capture takes over the text view without any release over the list.
    win.Text1.Set("\r\nCAPTURED SCREEN");
    Text1_Change(ws, win, "\r\nCAPTURED SCREEN edited");
    win.Text1.Append(" more");
    Text1_Change(ws, win, win.Text1.text + "!");

    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm");
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(RecordViewerTest, AGraphRecordIsShownUnscaledFromItsDocument) {
    const EncodedImage picture{"PNG bytes", 520, 900};
    documents[ws.RecordPath[first][graph]] = picture;
    clipboard.text = "the user's clipboard";
    win.Text2.visible = true;
    OpenFirstReport();

    DoubleClick(2);

    EXPECT_FALSE(win.Text1.visible);
    EXPECT_FALSE(win.Text2.visible);
    EXPECT_TRUE(win.imgScreenVisible);
    EXPECT_TRUE(win.scrGraphicVisible);
    EXPECT_EQ(win.scrGraphicValue, 0);
    EXPECT_EQ(win.Frame2Caption, "   GRAPH:    12052026-040112AM");
    ASSERT_TRUE(screen.picture && temp.picture);
    EXPECT_EQ(screen.picture->png, "PNG bytes");
    EXPECT_EQ(temp.picture->height, 900);
    EXPECT_GE(clipboard.clears, 1);
    EXPECT_EQ(clipboard.text, "");
    ASSERT_TRUE(clipboard.image);
    EXPECT_EQ(clipboard.image->png, "PNG bytes");
    EXPECT_TRUE(dialogs.messages.empty());
    // A graph record takes no text edits.
    EXPECT_FALSE(ws.RecordInEditor);
}

TEST_F(RecordViewerTest, ScrollingMovesTheGraphOnePixelPerTenUnits) {
    EXPECT_EQ(scrGraphic_Change(win, 25), -2);
    EXPECT_EQ(win.scrGraphicValue, 25);
    EXPECT_EQ(scrGraphic_Change(win, 0), 0);
    EXPECT_EQ(scrGraphic_Change(win, 9), 0);
    EXPECT_EQ(scrGraphic_Change(win, 15), -1);
    EXPECT_EQ(scrGraphic_Change(win, 4695), -469);
}

TEST_F(RecordViewerTest, AnUnreadablePictureDocumentLeavesTheViewBlankAndSaysSo) {
    screen.picture = EncodedImage{"earlier graph", 10, 10};
    temp.picture = EncodedImage{"earlier graph", 10, 10};
    OpenFirstReport();

    DoubleClick(2);

    EXPECT_TRUE(win.imgScreenVisible);
    EXPECT_FALSE(screen.picture);
    EXPECT_FALSE(temp.picture);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(ws.RecordPath[first][graph]), std::string::npos);
}

TEST_F(RecordViewerTest, BytesThatAreNoPictureCountAsUnreadable) {
    documents[ws.RecordPath[first][graph]] = EncodedImage{"not a png", 1, 1};
    temp.refusePictures = true;
    OpenFirstReport();
    DoubleClick(2);
    EXPECT_FALSE(screen.picture);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(RecordViewerTest, RightClickPopsUpTheMenuForTheLineCurrentBefore) {
    OpenFirstReport();
    DoubleClick(1);
    ASSERT_TRUE(ws.RecordInEditor);

    EXPECT_TRUE(List1_MouseUp(ws, win, services, devices, MouseButton::Right));
    EXPECT_EQ(ws.ListSelection, 1);
    EXPECT_FALSE(ws.RecordInEditor);

    // "Open" from the menu shows that line's record again.
    win.Text1.Set("something else");
    mnuRecordOpen_Click(ws, win, services, devices);
    EXPECT_EQ(win.Text1.text, "\r\nLEVEL -12.5 dBm");
    EXPECT_TRUE(ws.RecordInEditor);
}

TEST_F(RecordViewerTest, OpenOnAClosedReportLineListsItsRecords) {
    AddRecord(second, KindRecord, "", "12062026-080500AM");
    List1_Click(ws, win, 1);
    ws.CurrentReport = static_cast<std::int16_t>(first); // moved on since the click
    mnuRecordOpen_Click(ws, win, services, devices);
    EXPECT_EQ(ws.ReportState[second], ReportOpen);
    EXPECT_EQ(ws.ReportState[first], ReportClosed);
    ASSERT_EQ(ws.ListCount, 3);
    EXPECT_EQ(ws.ListText[2], "   RECORD:  12062026-080500AM");
}

TEST_F(RecordViewerTest, OpenWithoutACurrentLineDoesNotRelinkTheEditor) {
    OpenFirstReport();
    DoubleClick(1);
    EXPECT_TRUE(List1_MouseUp(ws, win, services, devices, MouseButton::Right));
    win.ListIndex = -1;

    mnuRecordOpen_Click(ws, win, services, devices);
    Text1_Change(ws, win, "typed");

    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(ws.RecordText[first][text], "\r\nLEVEL -12.5 dBm");
}

} // namespace
} // namespace orvane::logic_testing
