#include "workspace/report_commands.h"

#include "workspace_world.h"

namespace orvane::testing {
namespace {

using ReportCommands = WorkspaceWorld;

TEST_F(ReportCommands, NewWorkspaceTwiceAppendsTwoClosedReportsTheSecondCurrent) {
    win.HeaderBox = {"Acme", "Kim", "T-1", "old"};
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    clock.now.second = 52;
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));

    EXPECT_EQ(ListLines(), (Lines{"WORKSPACE_12052026-035651AM", "WORKSPACE_12052026-035652AM"}));
    EXPECT_EQ(ListReports(), (Numbers{1, 2}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0}));
    EXPECT_EQ(ws.ReportCount, 2);
    EXPECT_EQ(ws.CurrentReport, 2);
    EXPECT_EQ(ws.ReportState[1], ReportClosed);
    EXPECT_EQ(ws.ReportState[2], ReportClosed);
    EXPECT_EQ(ws.RecordCount[2], 0);
    EXPECT_EQ(win.HeaderBox, (Boxes{"", "", "", ""}));
    EXPECT_EQ(win.ListIndex, -1) << "the new line is not selected";
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(ReportCommands, FiftyFirstReportIsRefusedWithAMessage) {
    for (int i = 0; i < MaxReports; ++i)
        ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    ASSERT_TRUE(dialogs.messages.empty());

    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(dialogs.messages, (Lines{" Maximum Report Number is 50! "}));
    EXPECT_EQ(ws.ReportCount, 50);
    EXPECT_EQ(ws.ListCount, 50);
    EXPECT_EQ(ws.ReportState[0], ReportFree) << "slot 0 stays free";
}

TEST_F(ReportCommands, NewReportIsRefusedWhenTheListIsFull) {
    const int first = AddReport("A");
    const int second = AddReport("B");
    for (int i = 0; i < 50; ++i)
        AddRecord(first);
    for (int i = 0; i < 49; ++i)
        AddRecord(second);
    Select(0);
    ASSERT_TRUE(Popup_Report(ws, win, services));
    Select(51);
    ASSERT_TRUE(Popup_Report(ws, win, services));
    ASSERT_EQ(ws.ListCount, 101);

    EXPECT_FALSE(mnuNewReport_Click(ws, win, services));
    EXPECT_EQ(dialogs.messages, (Lines{" The list is full: close a report first. "}));
    EXPECT_EQ(ws.ReportCount, 2);
    EXPECT_EQ(ws.ListCount, 101);
}

TEST_F(ReportCommands, OpeningTheMiddleReportInsertsItsRecordLines) {
    AddReport("A");
    const int b = AddReport("B");
    AddReport("C");
    AddRecord(b);
    AddRecord(b);
    Select(1);

    ASSERT_TRUE(Popup_Report(ws, win, services));

    EXPECT_EQ(ListReports(), (Numbers{1, 2, 2, 2, 3}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0, 1, 2, 0}));
    EXPECT_EQ(ws.ListText[2], ws.RecordLabel[2][1]);
    EXPECT_EQ(ws.ListText[4], "C");
    EXPECT_EQ(ws.ReportState[2], ReportOpen);
    EXPECT_EQ(win.ListIndex, 1) << "the report's line stays selected";
}

TEST_F(ReportCommands, OpenThenCloseRestoresTheListExactly) {
    AddReport("A");
    const int b = AddReport("B");
    AddReport("C");
    for (int i = 0; i < 3; ++i)
        AddRecord(b);
    Select(1);
    const Workspace before = ws;

    ASSERT_TRUE(Popup_Report(ws, win, services));
    Close_Report(ws, win);

    EXPECT_EQ(ws.ListCount, before.ListCount);
    EXPECT_EQ(ws.ListText, before.ListText);
    EXPECT_EQ(ws.ListReport, before.ListReport);
    EXPECT_EQ(ws.ListRecord, before.ListRecord);
    EXPECT_EQ(ws.ReportState[b], ReportClosed);
}

TEST_F(ReportCommands, OpeningAnOpenReportOrClosingAClosedOneChangesNoLine) {
    AddReport("A");
    const int b = AddReport("B");
    AddRecord(b);
    Select(1);
    ASSERT_TRUE(Popup_Report(ws, win, services));
    EXPECT_TRUE(Popup_Report(ws, win, services));
    Select(0);
    Close_Report(ws, win);
    EXPECT_EQ(ListRecords(), (Numbers{0, 0, 1}));
}

TEST_F(ReportCommands, OpeningFindsTheReportLineEvenWhenTheSelectionIsStale) {
    AddReport("A");
    const int b = AddReport("B");
    AddRecord(b);
    ws.CurrentReport = static_cast<std::int16_t>(b);
    ws.ListSelection = 0; // the line of report A

    ASSERT_TRUE(Popup_Report(ws, win, services));
    EXPECT_EQ(ListReports(), (Numbers{1, 2, 2}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0, 1}));
}

TEST_F(ReportCommands, OpeningIsRefusedWhenTheRecordLinesWouldNotFit) {
    const int a = AddReport("A");
    const int b = AddReport("B");
    const int c = AddReport("C");
    for (int i = 0; i < 50; ++i)
        AddRecord(a);
    for (int i = 0; i < 47; ++i)
        AddRecord(b);
    AddRecord(c);
    AddRecord(c);
    Select(0);
    ASSERT_TRUE(Popup_Report(ws, win, services));
    Select(51);
    ASSERT_TRUE(Popup_Report(ws, win, services));
    ASSERT_EQ(ws.ListCount, 100) << "reports A and B open, C closed";
    const Workspace before = ws;

    Select(99);
    EXPECT_FALSE(Popup_Report(ws, win, services));
    EXPECT_EQ(dialogs.messages, (Lines{" The list is full: close a report first. "}));
    EXPECT_EQ(ws.ReportState[c], ReportClosed);
    EXPECT_EQ(ws.ListCount, 100);
    EXPECT_EQ(ws.ListReport, before.ListReport);
    EXPECT_EQ(ws.ListRecord, before.ListRecord);
}

TEST_F(ReportCommands, SaveUsersInfoStoresTheBoxesIntoTheCurrentReport) {
    AddReport("A");
    AddReport("B");
    ws.CurrentReport = 2;
    win.HeaderBox = {"Acme \xE9", "Kim", "T-1", "all fine"};

    cmdOK_Click(ws, win);

    EXPECT_EQ(ws.ReportField[2], (Fields{"", "Acme \xE9", "Kim", "T-1", "all fine"}));
    EXPECT_EQ(ws.ReportField[1], (Fields{"", "", "", "", ""}));
    EXPECT_TRUE(ws.Dirty);
}

TEST_F(ReportCommands, CancelEmptiesTheBoxesAndALaterSaveStoresThemEmpty) {
    AddReport("A");
    ws.CurrentReport = 1;
    ws.ReportField[1] = {"", "Acme", "Kim", "T-1", "note"};
    win.HeaderBox = {"Acme", "Kim", "T-1", "note"};

    cmdCancel_Click(win);
    EXPECT_EQ(win.HeaderBox, (Boxes{"", "", "", ""}));
    EXPECT_EQ(ws.ReportField[1][1], "Acme") << "Cancel keeps the stored fields";

    cmdOK_Click(ws, win);
    EXPECT_EQ(ws.ReportField[1], (Fields{"", "", "", "", ""}));
}

TEST_F(ReportCommands, SaveWithNoCurrentReportTouchesNoLiveReport) {
    AddReport("A");
    ws.CurrentReport = 0;
    win.HeaderBox = {"Acme", "Kim", "T-1", "note"};

    cmdOK_Click(ws, win);

    EXPECT_EQ(ws.ReportField[1][1], "");
    EXPECT_FALSE(ws.Dirty);
}

class ReportInfo : public WorkspaceWorld {
  protected:
    ReportInfo() {
        a = AddReport("WORKSPACE_A");
        b = AddReport("WORKSPACE_B");
        AddRecord(a);
        AddRecord(b);
        AddRecord(b);
        ws.ReportField[b] = {"", "Acme", "Kim", "T-1", "note"};
        Select(1);
        Popup_Report(ws, win, services); // lines: A, B, B/1, B/2
        win.Caption = "Orvane Reporter";
        win.HeaderBox = {"x", "x", "x", "x"};
    }
    int a = 0;
    int b = 0;
};

TEST_F(ReportInfo, RecordLineShowsItsReportInCaptionAndTheCurrentReportsFields) {
    Select(3);
    Show_Report_Info(ws, win, 3);
    EXPECT_EQ(win.Caption, "Kavrel::WORKSPACE_B");
    EXPECT_EQ(win.HeaderBox, (Boxes{"Acme", "Kim", "T-1", "note"}));
}

TEST_F(ReportInfo, ReportLinesAndLinesOutsideTheListChangeNeitherCaptionNorBoxes) {
    Select(1);
    for (int line : {1, 0, -1, 4, 500})
        Show_Report_Info(ws, win, line);
    EXPECT_EQ(win.Caption, "Orvane Reporter");
    EXPECT_EQ(win.HeaderBox, (Boxes{"x", "x", "x", "x"}));
}

TEST_F(ReportInfo, RenamedReportStillGivesItsOwnLineAsCaption) {
    Select(1);
    Form5_cmdOK_Click(ws, win, services, "Substation North 7");
    Select(2);
    Show_Report_Info(ws, win, 2);
    EXPECT_EQ(win.Caption, "Kavrel::Substation North 7");
}

TEST_F(ReportInfo, RecordRenamedToAReportLikeNameIsStillARecordLine) {
    Select(2);
    Form5_cmdOK_Click(ws, win, services, "WORKSPACE_FAKE_123");
    Show_Report_Info(ws, win, 2);
    EXPECT_EQ(win.Caption, "Kavrel::WORKSPACE_B");
}

TEST_F(ReportCommands, RenameAReportKeepsSixteenCharactersAndStampsShorterNames) {
    AddReport("WORKSPACE_A");
    AddReport("WORKSPACE_B");

    Select(0);
    Form5_cmdOK_Click(ws, win, services, "ABCDEFGHIJKLMNOP");
    Select(1);
    Form5_cmdOK_Click(ws, win, services, "Plant 7");

    EXPECT_EQ(ws.ReportName[1], "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(ws.ReportName[2], "Plant 7_12052026-035651AM");
    EXPECT_EQ(ListLines(), (Lines{"ABCDEFGHIJKLMNOP", "Plant 7_12052026-035651AM"}));
    EXPECT_EQ(win.ListIndex, 1);
    EXPECT_TRUE(ws.Dirty);

    Form5_cmdOK_Click(ws, win, services, "");
    EXPECT_EQ(ws.ReportName[2], "_12052026-035651AM") << "an empty box gets the stamp alone";
}

TEST_F(ReportCommands, RenameARecordKeepsItsIndentationFileAndText) {
    const int a = AddReport("WORKSPACE_A");
    AddRecord(a);
    const int second = AddRecord(a, KindRecord, "second screen");
    const std::string path = ws.RecordPath[a][second];
    Select(0);
    Popup_Report(ws, win, services);

    Select(2);
    Form5_cmdOK_Click(ws, win, services, "Feeder 12");

    EXPECT_EQ(ws.RecordLabel[a][second], "   Feeder 12_12052026-035651AM");
    EXPECT_EQ(ws.ListText[2], "   Feeder 12_12052026-035651AM");
    EXPECT_EQ(ws.RecordPath[a][second], path);
    EXPECT_EQ(ws.RecordText[a][second], "second screen");
    EXPECT_EQ(ws.ReportName[a], "WORKSPACE_A");
}

TEST_F(ReportCommands, RenameWithNoSelectedLineDoesNothing) {
    AddReport("WORKSPACE_A");
    const Workspace before = ws;
    for (int line : {-1, 1, 100, 101, 5000}) {
        win.ListIndex = line;
        Form5_cmdOK_Click(ws, win, services, "Plant 7");
    }
    EXPECT_EQ(ws.ListText, before.ListText);
    EXPECT_EQ(ws.ReportName, before.ReportName);
    EXPECT_FALSE(ws.Dirty);
}

} // namespace
} // namespace orvane::testing
