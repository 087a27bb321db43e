#include "workspace/report_commands.h"

#include "workspace_world.h"

namespace orvane::testing {
namespace {

using ReportCommands = WorkspaceWorld;

TEST_F(ReportCommands, NewWorkspaceAppendsClosedCurrentReportsUpToFifty) {
    win.HeaderBox = {"Acme", "Kim", "T-1", "old"};
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    clock.now.second = 52;
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(ListLines(), (Lines{"WORKSPACE_12052026-035651AM", "WORKSPACE_12052026-035652AM"}));
    EXPECT_EQ(Mirror(), "1,2 / 0,0");
    EXPECT_EQ(ws.CurrentReport, 2);
    EXPECT_EQ(ws.ReportState[2], ReportClosed);
    EXPECT_EQ(win.HeaderBox, Boxes{});
    EXPECT_EQ(win.ListIndex, -1) << "the new line is not selected";
    EXPECT_TRUE(ws.Dirty);

    while (ws.ReportCount < MaxReports)
        ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(dialogs.messages, (Lines{" Maximum Report Number is 50! "}));
    EXPECT_EQ(ws.ListCount, 50);
    EXPECT_EQ(ws.ReportState[0], ReportFree) << "slot 0 stays free";
}

TEST_F(ReportCommands, OpeningAReportListsItsRecordsUnderItAndClosingRestoresTheList) {
    AddReport("A");
    AddRecords(AddReport("B"), 2);
    AddReport("C");
    const Workspace closed = ws;
    Select(1);
    ws.ListSelection = 0; // stale: the report to open is CurrentReport

    ASSERT_TRUE(Popup_Report(ws, win, services));
    EXPECT_EQ(Mirror(), "1,2,2,2,3 / 0,0,1,2,0");
    EXPECT_EQ(ListLines(), (Lines{"A", "B", ws.RecordLabel[2][1], ws.RecordLabel[2][2], "C"}));
    EXPECT_EQ(ws.ReportState[2], ReportOpen);
    EXPECT_EQ(win.ListIndex, 1) << "the report's line stays selected";
    EXPECT_TRUE(Popup_Report(ws, win, services));
    Select(0);
    Close_Report(ws, win); // A is closed already
    EXPECT_EQ(Mirror(), "1,2,2,2,3 / 0,0,1,2,0");

    Select(1);
    Close_Report(ws, win);
    Close_Report(ws, win);
    EXPECT_EQ(ws.ReportState[2], ReportClosed);
    EXPECT_EQ(Mirror(), "1,2,3 / 0,0,0");
    EXPECT_EQ(ws.ListText, closed.ListText);
}

TEST_F(ReportCommands, OpeningAndNewReportAreRefusedWhenTheListIsFull) {
    AddRecords(AddReport("A"), 50);
    AddRecords(AddReport("B"), 47);
    AddRecords(AddReport("C"), 2);
    ASSERT_TRUE(Open(0));
    ASSERT_TRUE(Open(51));
    ASSERT_EQ(ws.ListCount, 100) << "reports A and B open, C closed";
    const Workspace before = ws;

    EXPECT_FALSE(Open(99)) << "C's two lines do not fit";
    EXPECT_EQ(ws.ReportState[3], ReportClosed);
    EXPECT_EQ(ws.ListRecord, before.ListRecord);
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services)) << "the 101st line fits";
    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(ws.ReportCount, 4);
    EXPECT_EQ(ws.ListCount, 101);
    EXPECT_EQ(dialogs.messages, Lines(2, " The list is full: close a report first. "));
}

TEST_F(ReportCommands, HeaderBoxesShowAndSaveTheCurrentReportsFields) {
    AddRecord(AddReport("WORKSPACE_A"));
    AddRecords(AddReport("WORKSPACE_B"), 2);
    const Fields fieldsOfA{"", "A's company", "", "", ""};
    const Fields fieldsOfB{"", "Acme \xE9", "Kim", "T-1", ""};
    ws.ReportField[1] = fieldsOfA;
    ws.ReportField[2] = fieldsOfB;
    Open(1); // A, B, B/1, B/2
    win.HeaderBox = {"x", "x", "x", "x"};
    for (int line : {1, 0, -1, 4, 500})
        Show_Report_Info(ws, win, line);
    EXPECT_EQ(win.Caption, "Orvane Reporter") << "report lines and lines outside change nothing";
    EXPECT_EQ(win.HeaderBox, (Boxes{"x", "x", "x", "x"}));

    Show_Report_Info(ws, win, 3);
    EXPECT_EQ(win.Caption, "Kavrel::WORKSPACE_B");
    EXPECT_EQ(win.HeaderBox, (Boxes{"Acme \xE9", "Kim", "T-1", ""}));
    cmdCancel_Click(win);
    EXPECT_EQ(win.HeaderBox, Boxes{});
    EXPECT_EQ(ws.ReportField[2], fieldsOfB) << "Cancel keeps the stored fields";
    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.ReportField[2], Fields{}) << "a Save after Cancel stores them empty";
    EXPECT_EQ(ws.ReportField[1], fieldsOfA);
    EXPECT_TRUE(ws.Dirty);

    ws.Dirty = false;
    ws.CurrentReport = 0;
    win.HeaderBox = {"typed", "", "", ""};
    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.ReportField[1], fieldsOfA);
    EXPECT_EQ(ws.ReportField[2], Fields{});
    EXPECT_FALSE(ws.Dirty) << "no current report, no live report changed";

    Rename(2, "WORKSPACE_FAKE_123");
    Rename(1, "Substation North 7");
    Show_Report_Info(ws, win, 3);
    EXPECT_EQ(win.Caption, "Kavrel::Substation North 7") << "the mirror, not the name, decides";
}

TEST_F(ReportCommands, RenameKeepsSixteenCharactersStampsShorterTextsAndIndentsRecords) {
    const int a = AddReport("WORKSPACE_A");
    AddRecord(a);
    AddRecord(a, KindRecord, "second screen");
    const std::string path = ws.RecordPath[a][2];
    AddReport("WORKSPACE_B");
    Open(0); // A, A/1, A/2, B
    const Workspace before = ws;
    for (int line : {-1, 4, 101, 5000}) {
        win.ListIndex = line;
        Form5_cmdOK_Click(ws, win, services, "Plant 7");
    }
    EXPECT_EQ(ws.ListText, before.ListText) << "no selected line, nothing renamed";
    EXPECT_FALSE(ws.Dirty);

    Rename(0, "ABCDEFGHIJKLMNOP");
    Rename(2, "Feeder 12");
    Rename(3, "Plant 7");
    EXPECT_EQ(ListLines(), (Lines{"ABCDEFGHIJKLMNOP", ws.RecordLabel[a][1],
                                  "   Feeder 12_12052026-035651AM", "Plant 7_12052026-035651AM"}));
    EXPECT_EQ(ws.ReportName[1], "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(ws.ReportName[2], "Plant 7_12052026-035651AM");
    EXPECT_EQ(ws.RecordLabel[a][2], "   Feeder 12_12052026-035651AM");
    EXPECT_EQ(ws.RecordPath[a][2], path);
    EXPECT_EQ(ws.RecordText[a][2], "second screen");
    EXPECT_EQ(win.ListIndex, 3);
    EXPECT_TRUE(ws.Dirty);
    Form5_cmdOK_Click(ws, win, services, "");
    EXPECT_EQ(ws.ReportName[2], "_12052026-035651AM") << "an empty box gets the stamp alone";
}

} // namespace
} // namespace orvane::testing
