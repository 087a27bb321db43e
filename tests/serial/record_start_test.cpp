#include "serial_test_world.h"

#include "serial/record_start.h"
#include "workspace/report_commands.h"

namespace orvane::testing {
namespace {

class RecordStart : public ::testing::Test, public SerialWorld {
  protected:
    RecordStart() : SerialWorld(TargetTarn, "TARN") {}

    std::int16_t Start(std::int16_t kind = KindRecord) {
        Open_Newest_Report(ws, win, services);
        return Add_Capture_Record(ws, win, services, kind);
    }
    std::string PathOf(const std::string& name) const { return JoinPath(TargetDir(), name); }
};

TEST_F(RecordStart, MakesAReportWhenThereIsNoneAndFilesATextOrAGraphUnderItsStamp) {
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ws.ReportName[1], "WORKSPACE_12052026-035651AM");
    EXPECT_TRUE(ws.RecordCount[1] == 1 && ws.CurrentRecord == 1);
    EXPECT_EQ(ws.RecordType[1][1], KindRecord);
    EXPECT_EQ(ws.RecordPath[1][1], PathOf("12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordLabel[1][1], "   RECORD:  12052026-035651AM");
    EXPECT_EQ(win.Frame2Caption, ws.RecordLabel[1][1]);
    EXPECT_TRUE(ws.RecordText[1][1].empty() && ws.Dirty);
    EXPECT_EQ(ws.ListCount, 2);
    EXPECT_EQ(ws.ListRecord[1], 1);

    // A picture has a file of its own kind: the stamp of the text record is free for it.
    ASSERT_EQ(Start(KindGraph), 2);
    EXPECT_EQ(ws.RecordType[1][2], KindGraph);
    EXPECT_EQ(ws.RecordPath[1][2], PathOf("12052026-035651AM.doc"));
    EXPECT_EQ(ws.RecordLabel[1][2], "   GRAPH:    12052026-035651AM");
}

TEST_F(RecordStart, OpensAClosedNewestReportOrSelectsItsLineAndAppendsTheRecordBelowIt) {
    AddReport(1);
    const std::int16_t r = AddReport(2);
    for (const int record : {3, 4}) {
        ws.CurrentReport = 1;
        win.ListIndex = 3;
        ASSERT_EQ(Start(), record);
        EXPECT_EQ(ws.ReportState[r], ReportOpen);
        EXPECT_EQ(ws.CurrentReport, r);
        ASSERT_EQ(ws.ListCount, record + 2);
        EXPECT_EQ(ws.ListText[record + 1], ws.RecordLabel[r][record]);
        EXPECT_EQ(ws.ListReport[record + 1], r);
        EXPECT_EQ(ws.ListRecord[record + 1], record);
        // The report's own line is the selected one.
        EXPECT_EQ(win.ListIndex, 1);
        EXPECT_EQ(ws.ListSelection, 1);
    }
    EXPECT_EQ(ws.ListText[2] + "|" + ws.ListText[3], "   RECORD:  R2N1|   RECORD:  R2N2");
}

TEST_F(RecordStart, GivesRecordsOfTheSameSecondDistinctFilesAndSkipsFilesOnDisk) {
    AddReport();
    WriteFile(PathOf("12052026-035652AM.txt"), "left from before\r\n");
    ASSERT_EQ(Start(), 1);
    ASSERT_EQ(Start(), 2);
    EXPECT_EQ(ws.RecordPath[1][1], PathOf("12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordPath[1][2], PathOf("12052026-035653AM.txt"));
    EXPECT_EQ(ws.RecordLabel[1][2], "   RECORD:  12052026-035653AM");

    // A stamp moved on past midnight carries into the next day and year.
    clock.now = {2026, 12, 31, 23, 59, 59};
    ASSERT_EQ(Start(), 3);
    ASSERT_EQ(Start(), 4);
    EXPECT_EQ(ws.RecordLabel[1][4], "   RECORD:  01012027-000000AM");
}

TEST_F(RecordStart, RefusesARecordWhoseLineDoesNotFitTheList) {
    // Open reports of 50 and 49 records fill all 101 lines of the list.
    for (const int records : {MaxRecords, MaxRecords - 1}) {
        ws.CurrentReport = AddReport(records);
        ASSERT_TRUE(Popup_Report(ws, win, services));
    }
    ASSERT_EQ(ws.ListCount, MaxListLines);

    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{std::string(ListFullMessage)});
    EXPECT_EQ(ws.RecordCount[2], MaxRecords - 1);
    EXPECT_EQ(ws.RecordType[2][MaxRecords], KindFree);
}

} // namespace
} // namespace orvane::testing
