// The report commands on the list and its mirror: new, rename and delete.

#include "workspace_world.h"

namespace orvane::testing {
namespace {

using ReportCommands = WorkspaceWorld;

// The tables hold 50 reports and the list 101 lines: what does not fit is refused.
TEST_F(ReportCommands, NewReportOrOpeningIsRefusedWhereTheTablesOrTheListHaveNoRoom) {
    while (ws.ReportCount < MaxReports)
        ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    ResetWorkspace(ws);
    AddReport("A", 50);
    AddReport("B", 47);
    AddReport("C", 2);
    ASSERT_TRUE(Open(0) && Open(51));
    EXPECT_FALSE(Open(99)) << "C's two lines do not fit in 101";
    EXPECT_EQ(std::tuple(ws.ReportState[3], ws.ListCount), std::tuple(ReportClosed, 100));
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services)) << "the 101st line fits";
    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(dialogs.messages,
              (Lines{" Maximum Report Number is 50! ", " The list is full: close a report first. ",
                     " The list is full: close a report first. "}));
}

// The header boxes were filled from CurrentReport: a later Save must land on that report or
// nowhere, whichever report is deleted. No slot keeps anything of a deleted or moved report.
TEST_F(ReportCommands, AReportGoesWithItsLinesAndFilesAndTheHeaderBoxesFollowTheCurrentReport) {
    AddReport("A", MaxRecords);
    AddRecord(AddReport("B"), KindGraph);
    AddRecord(2);
    AddRecord(AddReport("C"));
    const std::string fileOfA = ws.RecordPath[1][MaxRecords], fileOfB = ws.RecordPath[2][1];
    const Fields fieldsOfB{"", "B's", "", "", ""}, fieldsOfC{"", "Acme", "Kim", "T-9", "C's note"};
    ws.ReportField[2] = fieldsOfB;
    Open(1); // A, B, B/1, B/2, C
    ws.CurrentReport = 3;
    win.HeaderBox = {"Acme", "Kim", "T-9", "C's note"};
    win.ListIndex = 0;
    mnuRecordDelete_Click(ws, win, services);
    cmdOK_Click(ws, win);
    EXPECT_EQ(std::tuple(dialogs.confirmations[0], Mirror(), ws.ReportName[1], ws.RecordPath[1][1],
                         ws.RecordType[1][1], ws.RecordType[1][MaxRecords], ws.RecordType[2][2],
                         ws.ReportState[3], fs::exists(fileOfA), fs::exists(fileOfB)),
              std::tuple("Are you sure you want to remove the Report and remove all its contents?",
                         "1/0 1/1 1/2 2/0 ", "B", fileOfB, KindGraph, KindFree, KindFree,
                         ReportFree, false, true));
    EXPECT_EQ(std::tuple(ws.CurrentReport, ws.ReportField[2], ws.ReportField[1]),
              std::tuple(2, fieldsOfC, fieldsOfB))
        << "B keeps its fields and does not receive C's boxes";

    ws.CurrentReport = 1;
    win.ListIndex = 0;
    mnuRecordDelete_Click(ws, win, services);
    EXPECT_EQ(std::tuple(ListLines(), ws.ListText[1], ws.CurrentReport, win.HeaderBox),
              std::tuple(Lines{"C"}, "", 0, decltype(win.HeaderBox){}))
        << "B, the current one, goes with its lines";
    win.HeaderBox = {"typed later", "", "", ""};
    cmdOK_Click(ws, win);
    EXPECT_EQ(std::tuple(ws.ReportField[1], fs::exists(fileOfB)), std::tuple(fieldsOfC, false))
        << "C, now report 1, keeps its fields";
    Delete(0);
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(std::tuple(ws.ReportCount, ws.RecordType[1][1]), std::tuple(1, KindFree));
}

// Only a confirmed line goes; a record with its file, or without one.
TEST_F(ReportCommands, AConfirmedRecordGoesWithItsFileAndTheLaterOnesMoveUp) {
    AddReport("A");
    const int b = AddReport("B");
    for (int i = 1; i <= 4; ++i)
        AddRecord(b, KindRecord, "text " + std::to_string(i));
    AddReport("C", 3);
    Open(2);
    Open(1); // A, B, B/1..B/4, C, C/1..C/3
    ws.RecordInEditor = true;
    for (int line : {-1, 11, 101, 32000}) {
        win.ListIndex = line;
        mnuRecordDelete_Click(ws, win, services);
        Form5_cmdOK_Click(ws, win, services, "Plant 7");
        Show_Report_Info(ws, win, line);
    }
    dialogs.answers = {false, false};
    Delete(3);
    Delete(1);
    Show_Report_Info(ws, win, 5); // the caption names the nearest line of record 0 above
    EXPECT_EQ(std::tuple(dialogs.confirmations.size(), ws.ListCount, ws.RecordInEditor, ws.Dirty,
                         win.Caption),
              std::tuple(2u, 10, true, false, "Kavrel::B"))
        << "no line or not confirmed";
    const std::string deletedFile = ws.RecordPath[b][2], thirdLabel = ws.RecordLabel[b][3];
    Delete(3);
    EXPECT_EQ(std::tuple(dialogs.confirmations.back(), fs::exists(deletedFile), Mirror()),
              std::tuple("Are you sure you want to remove the Record?", false,
                         "1/0 2/0 2/1 2/2 2/3 3/0 3/1 3/2 3/3 "));
    EXPECT_EQ(std::tuple(ws.RecordCount[b], ws.RecordText[b][2], ws.RecordLabel[b][2],
                         ws.ListText[3], ws.RecordType[b][4], ws.RecordInEditor, win.ListIndex,
                         ws.Dirty),
              std::tuple(3, "text 3", thirdLabel, thirdLabel, KindDeleted, false, -1, true));
    ASSERT_TRUE(fs::remove(ws.RecordPath[b][1]));
    Delete(2);
    EXPECT_EQ(std::tuple(ws.RecordCount[b], ws.ListCount), std::tuple(2, 8)) << "without its file";
    Rename(0, ""); // a name shorter than 16 characters is stamped; a record keeps its text
    Rename(2, "");
    EXPECT_EQ(std::tuple(ListLines()[0], ws.RecordLabel[b][1], ws.RecordText[b][1]),
              std::tuple("_12052026-035651AM", "   _12052026-035651AM", "text 3"));
}

} // namespace
} // namespace orvane::testing
