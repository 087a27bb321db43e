// A capture's new record: its report, its free date-time stamp, its list line.

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
};

// With no report a fresh one is made; every record gets a stamp no record or file uses yet
// (a picture's .doc may share a text record's stamp); a stamp past midnight carries over.
TEST_F(RecordStart, MakesAReportWhenThereIsNoneAndNamesEachRecordByAFreeStamp) {
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ws.ReportName[1], "WORKSPACE_12052026-035651AM");
    EXPECT_TRUE(ws.RecordCount[1] == 1 && ws.CurrentRecord == 1 && ws.Dirty);
    EXPECT_TRUE(ws.RecordText[1][1].empty() && win.Frame2Caption == ws.RecordLabel[1][1]);
    EXPECT_TRUE(ws.ListCount == 2 && ws.ListRecord[1] == 1);
    WriteFile(JoinPath(TargetDir(), "12052026-035652AM.txt"), "left from before\r\n");
    ASSERT_TRUE(Start(KindGraph) == 2 && Start() == 3);
    clock.now = {2026, 12, 31, 23, 59, 59};
    ASSERT_TRUE(Start() == 4 && Start() == 5);
    std::string records;
    for (const int n : {1, 2, 3, 5})
        records += std::to_string(ws.RecordType[1][n]) + " " +
                   ws.RecordPath[1][n].substr(TargetDir().size() + 1) + ws.RecordLabel[1][n] + "\n";
    EXPECT_EQ(records, "1 12052026-035651AM.txt   RECORD:  12052026-035651AM\n"
                       "2 12052026-035651AM.doc   GRAPH:    12052026-035651AM\n"
                       "1 12052026-035653AM.txt   RECORD:  12052026-035653AM\n"
                       "1 01012027-000000AM.txt   RECORD:  01012027-000000AM\n");
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
    EXPECT_TRUE(ws.RecordCount[2] == MaxRecords - 1 && ws.RecordType[2][MaxRecords] == KindFree);
}

} // namespace
} // namespace orvane::testing
