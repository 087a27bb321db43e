#include "capture_test_world.h"

#include "serial/record_start.h"
#include "workspace/report_commands.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::CaptureWorld;

class RecordStart : public ::testing::Test, public CaptureWorld {
  protected:
    std::int16_t Start(std::int16_t kind = KindRecord) {
        Open_Newest_Report(ws, win, services);
        return Add_Capture_Record(ws, win, services, kind);
    }
};

TEST_F(RecordStart, FilesATextRecordUnderItsStamp) {
    const std::int16_t r = AddReport();
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ws.RecordCount[r], 1);
    EXPECT_EQ(ws.CurrentRecord, 1);
    EXPECT_EQ(ws.RecordType[r][1], KindRecord);
    EXPECT_EQ(ws.RecordPath[r][1], JoinPath(TargetDir(), "12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordLabel[r][1], "   RECORD:  12052026-035651AM");
    EXPECT_EQ(ws.RecordText[r][1], "");
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(RecordStart, FilesAGraphAsADocument) {
    const std::int16_t r = AddReport();
    ASSERT_EQ(Start(KindGraph), 1);
    EXPECT_EQ(ws.RecordType[r][1], KindGraph);
    EXPECT_EQ(ws.RecordPath[r][1], JoinPath(TargetDir(), "12052026-035651AM.doc"));
    EXPECT_EQ(ws.RecordLabel[r][1], "   GRAPH:    12052026-035651AM");
}

TEST_F(RecordStart, OpensAClosedNewestReportAndAppendsTheLineBelowItsRecords) {
    AddReport(1);
    const std::int16_t r = AddReport(2);
    ws.CurrentReport = 1;

    ASSERT_EQ(Start(), 3);
    EXPECT_EQ(ws.ReportState[r], ReportOpen);
    EXPECT_EQ(ws.CurrentReport, r);
    ASSERT_EQ(ws.ListCount, 5);
    EXPECT_EQ(ws.ListText[2], "   RECORD:  R2N1");
    EXPECT_EQ(ws.ListText[3], "   RECORD:  R2N2");
    EXPECT_EQ(ws.ListText[4], "   RECORD:  12052026-035651AM");
    EXPECT_EQ(ws.ListReport[4], r);
    EXPECT_EQ(ws.ListRecord[4], 3);
    // The report's own line is the selected one.
    EXPECT_EQ(win.ListIndex, 1);
    EXPECT_EQ(ws.ListSelection, 1);
}

TEST_F(RecordStart, SelectsTheLineOfAnOpenNewestReportAndMakesItCurrent) {
    AddReport();
    const std::int16_t r = AddReport(2);
    ws.CurrentReport = r;
    Popup_Report(ws, win, services);
    ws.CurrentReport = 1;
    win.ListIndex = 3;

    ASSERT_EQ(Start(), 3);
    EXPECT_EQ(ws.CurrentReport, r);
    EXPECT_EQ(win.ListIndex, 1);
    EXPECT_EQ(ws.ListCount, 5);
    EXPECT_EQ(ws.ListReport[4], r);
}

TEST_F(RecordStart, MakesAReportWhenThereIsNone) {
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.ReportName[1], "WORKSPACE_12052026-035651AM");
    EXPECT_EQ(ws.ListCount, 2);
    EXPECT_EQ(ws.ListRecord[1], 1);
}

TEST_F(RecordStart, GivesRecordsOfTheSameSecondDistinctFiles) {
    AddReport();
    ASSERT_EQ(Start(), 1);
    ASSERT_EQ(Start(), 2);
    ASSERT_EQ(Start(KindGraph), 3);
    EXPECT_EQ(ws.RecordPath[1][1], JoinPath(TargetDir(), "12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordPath[1][2], JoinPath(TargetDir(), "12052026-035652AM.txt"));
    EXPECT_EQ(ws.RecordLabel[1][2], "   RECORD:  12052026-035652AM");
    // A picture has a file of its own kind: the stamp of the first text record is free for it.
    EXPECT_EQ(ws.RecordPath[1][3], JoinPath(TargetDir(), "12052026-035651AM.doc"));
}

TEST_F(RecordStart, SkipsAStampWhoseFileIsOnDiskAlready) {
    AddReport();
    testing::WriteFile(JoinPath(TargetDir(), "12052026-035651AM.txt"), "left from before\r\n");
    testing::WriteFile(JoinPath(TargetDir(), "12052026-035652AM.txt"), "left from before\r\n");
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ws.RecordPath[1][1], JoinPath(TargetDir(), "12052026-035653AM.txt"));
}

TEST_F(RecordStart, CarriesAMovedStampOverMidnight) {
    AddReport();
    clock.now = {2026, 12, 31, 23, 59, 59};
    ASSERT_EQ(Start(), 1);
    ASSERT_EQ(Start(), 2);
    EXPECT_EQ(ws.RecordLabel[1][2], "   RECORD:  01012027-000000AM");
}

TEST_F(RecordStart, RefusesTheFiftyFirstRecordOfAReport) {
    const std::int16_t r = AddReport(MaxRecords);
    const int lines = ws.ListCount;
    Open_Newest_Report(ws, win, services);
    const int openLines = ws.ListCount;
    EXPECT_EQ(openLines, lines + MaxRecords);

    EXPECT_EQ(Add_Capture_Record(ws, win, services, KindRecord), 0);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{" Maximum Record Number is 50! "});
    EXPECT_EQ(ws.RecordCount[r], MaxRecords);
    EXPECT_EQ(ws.ListCount, openLines);
}

TEST_F(RecordStart, RefusesARecordWhoseLineDoesNotFitTheList) {
    // Open reports of 50 and 49 records fill all 101 lines of the list.
    AddReport(MaxRecords);
    ws.CurrentReport = 1;
    ASSERT_TRUE(Popup_Report(ws, win, services));
    const std::int16_t r = AddReport(MaxRecords - 1);
    ws.CurrentReport = r;
    ASSERT_TRUE(Popup_Report(ws, win, services));
    ASSERT_EQ(ws.ListCount, MaxListLines);

    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{std::string(ListFullMessage)});
    EXPECT_EQ(ws.RecordCount[r], MaxRecords - 1);
    EXPECT_EQ(ws.RecordType[r][MaxRecords], KindFree);
}

} // namespace
} // namespace orvane
