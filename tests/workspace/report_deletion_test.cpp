#include "workspace/report_commands.h"

#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using Deletion = WorkspaceWorld;

TEST_F(Deletion, SecondOfFourRecordsGoesWithItsFileAndTheLaterOnesMoveUp) {
    for (const char* name : {"R1", "R2", "R3", "R4", "R5", "R6"})
        AddReport(name);
    for (int i = 1; i <= 4; ++i)
        AddRecord(5, KindRecord, "text " + std::to_string(i));
    AddRecords(6, 3);
    Open(5);
    Open(4); // records 1..4 on lines 5..8, report 6 and its records below
    const std::string deletedFile = ws.RecordPath[5][2];
    const std::string thirdLabel = ws.RecordLabel[5][3];
    ws.RecordInEditor = true;

    Delete(6);

    EXPECT_EQ(dialogs.confirmations, Lines{"Are you sure you want to remove the Record?"});
    EXPECT_FALSE(fs::exists(deletedFile));
    EXPECT_EQ(ws.RecordCount[5], 3);
    EXPECT_EQ(ws.RecordText[5][2], "text 3");
    EXPECT_EQ(ws.RecordLabel[5][2], thirdLabel);
    EXPECT_EQ(ws.RecordType[5][4], KindDeleted);
    EXPECT_EQ(Mirror(), "1,2,3,4,5,5,5,5,6,6,6,6 / 0,0,0,0,0,1,2,3,0,1,2,3");
    EXPECT_EQ(ws.ListText[6], thirdLabel);
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(win.ListIndex, -1) << "the deleted line was the selected one";
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(Deletion, AReportGoesWithItsRecordLinesAndFilesAndTheOthersMoveDown) {
    AddRecord(AddReport("A"));
    AddRecord(AddReport("B"), KindGraph);
    AddRecord(2);
    AddRecord(AddReport("C"));
    const std::string fileOfA = ws.RecordPath[1][1];
    const std::string fileOfB = ws.RecordPath[2][1];
    ws.ReportField[2] = {"", "Acme", "", "", ""};

    Delete(0);
    EXPECT_EQ(dialogs.confirmations,
              Lines{"Are you sure you want to remove the Report and remove all its contents?"});
    EXPECT_EQ(ListLines(), (Lines{"B", "C"}));
    EXPECT_EQ(Mirror(), "1,2 / 0,0");
    EXPECT_EQ(ws.ReportName[1], "B");
    EXPECT_EQ(ws.ReportField[1][1], "Acme");
    EXPECT_EQ(ws.RecordPath[1][1], fileOfB);
    EXPECT_EQ(ws.RecordType[1][1], KindGraph);
    EXPECT_EQ(ws.ReportState[3], ReportFree);
    EXPECT_EQ(ws.RecordType[3][1], KindFree);
    EXPECT_EQ(ws.RecordType[2][2], KindFree) << "C's slot keeps nothing of B's second record";
    EXPECT_FALSE(fs::exists(fileOfA));
    EXPECT_TRUE(fs::exists(fileOfB)) << "other reports' files are not touched";
    EXPECT_TRUE(ws.Dirty);

    Open(1);
    Open(0); // B, B/1, B/2, C, C/1
    Delete(0);
    EXPECT_EQ(ListLines(), (Lines{"C", ws.RecordLabel[1][1]})) << "an open report takes its lines";
    EXPECT_EQ(Mirror(), "1,1 / 0,1");
    EXPECT_EQ(ws.ReportState[1], ReportOpen);
    EXPECT_EQ(ws.ListText[2], "") << "entries beyond the list are cleared";
    EXPECT_FALSE(fs::exists(fileOfB));
}

// The header boxes were filled from CurrentReport: a later Save must land on that report or
// nowhere, whichever report is deleted.
TEST_F(Deletion, TheHeaderBoxesFollowTheCurrentReportDownToNone) {
    AddReport("A");
    AddReport("B");
    AddRecord(AddReport("C"));
    const Fields fieldsOfC{"", "Acme", "Kim", "T-9", "C's note"};
    Select(0);
    ws.CurrentReport = 3;
    win.HeaderBox = {"Acme", "Kim", "T-9", "C's note"};
    mnuRecordDelete_Click(ws, win, services);
    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.CurrentReport, 2);
    EXPECT_EQ(ws.ReportField[2], fieldsOfC);
    EXPECT_EQ(ws.ReportField[1], Fields{}) << "B must not receive C's boxes";

    Delete(0);
    EXPECT_EQ(ws.CurrentReport, 0) << "B, the current report, is gone";
    EXPECT_EQ(win.HeaderBox, Boxes{});
    win.HeaderBox = {"typed later", "", "", ""};
    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.ReportField[1], fieldsOfC) << "C, now report 1, keeps its fields";

    Delete(0);
    EXPECT_EQ(ws.ListCount, 0);
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.RecordType[1][1], KindFree) << "nothing of C is left in its slot";
}

TEST_F(Deletion, OnlyAConfirmedLineOfTheRightKindGoesEvenWithoutItsFile) {
    AddRecord(AddReport("A"));
    const std::string file = ws.RecordPath[1][1];
    Open(0);
    ws.RecordInEditor = true;
    for (int line : {-1, 2, 101, 32000}) {
        win.ListIndex = line;
        mnuRecordDelete_Click(ws, win, services);
        Record_Delete(ws, win, services);
        Report_Delete(ws, win, services);
    }
    Select(0);
    Record_Delete(ws, win, services);
    Select(1);
    Report_Delete(ws, win, services);
    EXPECT_TRUE(dialogs.confirmations.empty()) << "no line, or a line of the other kind";

    dialogs.answers = {false, false};
    Delete(1);
    Delete(0);
    EXPECT_EQ(dialogs.confirmations.size(), 2u);
    EXPECT_EQ(ListLines(), (Lines{"A", ws.RecordLabel[1][1]}));
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(ws.RecordInEditor);
    EXPECT_FALSE(ws.Dirty);

    fs::remove(file);
    Delete(1);
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.ReportState[1], ReportOpen);
    EXPECT_EQ(ListLines(), Lines{"A"});
}

} // namespace
} // namespace orvane::testing
