#include "workspace/report_commands.h"

#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using RecordDeletion = WorkspaceWorld;
using ReportDeletion = WorkspaceWorld;

TEST_F(RecordDeletion, SecondOfFourRecordsGoesWithItsFileAndTheLaterOnesMoveUp) {
    for (const char* name : {"R1", "R2", "R3", "R4"})
        AddReport(name);
    const int fifth = AddReport("R5");
    for (int i = 0; i < 4; ++i)
        AddRecord(fifth, KindRecord, "text " + std::to_string(i + 1));
    Select(4);
    Popup_Report(ws, win, services); // records 1..4 on lines 5..8
    const std::string deletedFile = ws.RecordPath[fifth][2];
    const std::string thirdLabel = ws.RecordLabel[fifth][3];

    Select(6);
    ws.RecordInEditor = true;
    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(dialogs.confirmations, Lines{"Are you sure you want to remove the Record?"});
    EXPECT_FALSE(fs::exists(deletedFile));
    EXPECT_EQ(ws.RecordCount[fifth], 3);
    EXPECT_EQ(ws.RecordText[fifth][2], "text 3");
    EXPECT_EQ(ws.RecordLabel[fifth][2], thirdLabel);
    EXPECT_EQ(ws.RecordType[fifth][4], KindDeleted);
    EXPECT_EQ(ws.ListCount, 8);
    EXPECT_EQ(ListReports(), (Numbers{1, 2, 3, 4, 5, 5, 5, 5}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0, 0, 0, 0, 1, 2, 3}));
    EXPECT_EQ(ws.ListText[6], thirdLabel);
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(win.ListIndex, -1) << "the deleted line was the selected one";
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(RecordDeletion, TheOnlyRecordGoesAndTheReportStaysOpen) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);
    Popup_Report(ws, win, services);
    Select(1);

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[a], 0);
    EXPECT_EQ(ws.ReportState[a], ReportOpen);
    EXPECT_EQ(ListLines(), Lines{"A"});
}

TEST_F(RecordDeletion, AMissingFileIsNoObstacle) {
    const int a = AddReport("A");
    AddRecord(a);
    fs::remove(ws.RecordPath[a][1]);
    Select(0);
    Popup_Report(ws, win, services);
    Select(1);

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.RecordCount[a], 0);
    EXPECT_EQ(ws.ListCount, 1);
}

TEST_F(RecordDeletion, CancelChangesNothing) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);
    Popup_Report(ws, win, services);
    Select(1);
    ws.RecordInEditor = true;
    dialogs.answers = {false};

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.RecordCount[a], 1);
    EXPECT_EQ(ws.ListCount, 2);
    EXPECT_TRUE(fs::exists(ws.RecordPath[a][1]));
    EXPECT_TRUE(ws.RecordInEditor);
    EXPECT_TRUE(files.removed.empty());
}

TEST_F(ReportDeletion, FirstOfThreeClosedReportsGoesAndTheOthersMoveDown) {
    const int a = AddReport("A");
    const int b = AddReport("B");
    AddReport("C");
    const int firstOfA = AddRecord(a);
    AddRecord(b, KindGraph);
    const std::string fileOfA = ws.RecordPath[a][firstOfA];
    const std::string fileOfB = ws.RecordPath[b][1];
    ws.ReportField[b] = {"", "Acme", "", "", ""};
    Select(0);

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(dialogs.confirmations,
              Lines{"Are you sure you want to remove the Report and remove all its contents?"});
    EXPECT_EQ(ListLines(), (Lines{"B", "C"}));
    EXPECT_EQ(ListReports(), (Numbers{1, 2}));
    EXPECT_EQ(ws.ReportCount, 2);
    EXPECT_EQ(ws.ReportName[1], "B");
    EXPECT_EQ(ws.ReportField[1][1], "Acme");
    EXPECT_EQ(ws.RecordPath[1][1], fileOfB);
    EXPECT_EQ(ws.RecordType[1][1], KindGraph);
    EXPECT_EQ(ws.ReportState[3], ReportFree);
    EXPECT_EQ(ws.RecordType[3][1], KindFree);
    EXPECT_FALSE(fs::exists(fileOfA));
    EXPECT_TRUE(fs::exists(fileOfB)) << "other reports' files are not touched";
}

TEST_F(ReportDeletion, AnOpenReportTakesItsRecordLinesWithIt) {
    AddReport("A");
    const int b = AddReport("B");
    const int c = AddReport("C");
    AddRecord(b);
    AddRecord(b);
    AddRecord(c);
    Select(2);
    Popup_Report(ws, win, services);
    Select(1);
    Popup_Report(ws, win, services); // A, B, B/1, B/2, C, C/1
    const std::string labelOfC = ws.RecordLabel[c][1];

    Select(1);
    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ListLines(), (Lines{"A", "C", labelOfC}));
    EXPECT_EQ(ListReports(), (Numbers{1, 2, 2}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0, 1}));
    EXPECT_EQ(ws.ReportState[2], ReportOpen);
    EXPECT_EQ(ws.ListText[3], "") << "entries beyond the list are cleared";
}

TEST_F(ReportDeletion, TheCurrentReportFollowsItsReportDown) {
    AddReport("A");
    AddReport("B");
    AddReport("C");
    ws.ReportField[3] = {"", "Acme", "Kim", "T-9", "C's note"};
    Select(0);
    ws.CurrentReport = 3; // the boxes were filled from C, e.g. by New Report or a capture
    win.HeaderBox = {"Acme", "Kim", "T-9", "C's note (edited)"};

    mnuRecordDelete_Click(ws, win, services);
    cmdOK_Click(ws, win);

    EXPECT_EQ(ws.CurrentReport, 2);
    EXPECT_EQ(ws.ReportName[2], "C");
    EXPECT_EQ(ws.ReportField[2][4], "C's note (edited)");
    EXPECT_EQ(ws.ReportField[1][4], "") << "B must not receive C's boxes";
}

TEST_F(ReportDeletion, DeletingTheCurrentReportLeavesNoneAndEmptyBoxes) {
    AddReport("A");
    AddReport("B");
    ws.ReportField[1] = {"", "A's company", "", "", ""};
    Select(0);
    win.HeaderBox = {"A's company", "", "", ""};

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.CurrentReport, 0);
    EXPECT_EQ(win.HeaderBox, (Boxes{"", "", "", ""}));
    win.HeaderBox = {"typed later", "", "", ""};
    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.ReportField[1][1], "") << "B, now report 1, keeps its fields";
}

TEST_F(ReportDeletion, TheLastReportCanGoLeavingNone) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.ReportCount, 0);
    EXPECT_EQ(ws.ListCount, 0);
    EXPECT_EQ(ws.ReportState[1], ReportFree);
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.RecordType[1][1], KindFree);
}

TEST_F(ReportDeletion, CancelChangesNothing) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);
    dialogs.answers = {false};
    const Workspace before = ws;

    mnuRecordDelete_Click(ws, win, services);

    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.ListText, before.ListText);
    EXPECT_TRUE(fs::exists(ws.RecordPath[a][1]));
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(ReportDeletion, NoSelectedLineAsksNothingAndDeletesNothing) {
    const int a = AddReport("A");
    AddRecord(a);
    for (int line : {-1, 1, 101, 32000}) {
        win.ListIndex = line;
        mnuRecordDelete_Click(ws, win, services);
        Record_Delete(ws, win, services);
        Report_Delete(ws, win, services);
    }
    EXPECT_TRUE(dialogs.confirmations.empty());
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_TRUE(files.removed.empty());
}

TEST_F(ReportDeletion, DeleteCommandsRefuseTheOtherKindOfLine) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);
    Popup_Report(ws, win, services);

    Select(0);
    Record_Delete(ws, win, services);
    Select(1);
    Report_Delete(ws, win, services);

    EXPECT_TRUE(dialogs.confirmations.empty());
    EXPECT_EQ(ws.ListCount, 2);
}

} // namespace
} // namespace orvane::testing
