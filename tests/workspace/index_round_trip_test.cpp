// Writing the index and reading it back, and reading indexes written by the older program.

#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class IndexRoundTrip : public WorkspaceWorld {
  protected:
    IndexRoundTrip() { ws.Loaded = true; }

    void Reload() {
        Workspace fresh;
        fresh.TargetDir = ws.TargetDir;
        ws = fresh;
        Loading_Workspace(ws, win, services);
    }
};

TEST_F(IndexRoundTrip, TwoReportsGiveElevenAndSevenLinesExactly) {
    const int a = AddReport("WORKSPACE_12052026-034512AM");
    AddReport("B");
    AddRecord(a, KindRecord);
    AddRecord(a, KindGraph);
    ws.ReportField[a] = {"", "Acme", "", "T-1", "note"};

    ASSERT_TRUE(Create_iniFile(ws, services));

    const std::string expected = "-\r\n"
                                 "WORKSPACE_12052026-034512AM\r\n"
                                 "Acme\r\n"
                                 "\r\n"
                                 "T-1\r\n"
                                 "note\r\n"
                                 " 1 " +
                                 recordPath("12052026-040001AM.txt") +
                                 "\r\n"
                                 "   RECORD:  12052026-040001AM\r\n"
                                 " 2 " +
                                 recordPath("12052026-040002AM.doc") +
                                 "\r\n"
                                 "   GRAPH:    12052026-040002AM\r\n"
                                 "#\r\n"
                                 "-\r\nB\r\n\r\n\r\n\r\n\r\n#\r\n";
    EXPECT_EQ(ReadFile(indexPath()), expected);
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(IndexRoundTrip, ReadingBackGivesClosedReportsAndNoNewOneWhenTheLastIsEmpty) {
    const int a = AddReport("A");
    AddReport("B");
    AddRecord(a, KindRecord, "first\r\nscreen");
    AddRecord(a, KindGraph);
    ws.ReportField[a] = {"", "Acme", "Kim", "T-1", "note"};
    Select(0);
    Popup_Report(ws, win, services);
    ASSERT_TRUE(Create_iniFile(ws, services));
    const Workspace written = ws;

    Reload();

    EXPECT_EQ(ListLines(), (Lines{"A", "B"}));
    EXPECT_EQ(ListReports(), (Numbers{1, 2}));
    EXPECT_EQ(ListRecords(), (Numbers{0, 0}));
    EXPECT_EQ(ws.ReportCount, 2);
    EXPECT_EQ(ws.ReportState[1], ReportClosed) << "an open report is read back closed";
    EXPECT_EQ(ws.CurrentReport, 0);
    EXPECT_EQ(ws.ReportField[1], written.ReportField[1]);
    EXPECT_EQ(ws.RecordCount[1], 2);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(ws.RecordType[1][n], written.RecordType[1][n]);
        EXPECT_EQ(ws.RecordPath[1][n], written.RecordPath[1][n]);
        EXPECT_EQ(ws.RecordLabel[1][n], written.RecordLabel[1][n]);
        EXPECT_EQ(ws.RecordText[1][n], written.RecordText[1][n]);
    }
    EXPECT_TRUE(ws.Loaded);
    EXPECT_FALSE(ws.Dirty);
    EXPECT_EQ(ws.LoadedTargetDir, "VESK");
}

TEST_F(IndexRoundTrip, ALastReportWithRecordsGetsAFreshCurrentReportAfterIt) {
    AddReport("A");
    const int b = AddReport("B");
    AddRecord(b);
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();

    EXPECT_EQ(ListLines(), (Lines{"A", "B", "WORKSPACE_12052026-035651AM"}));
    EXPECT_EQ(ws.ReportCount, 3);
    EXPECT_EQ(ws.CurrentReport, 3);
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(IndexRoundTrip, NoIndexGivesOneFreshClosedReport) {
    Loading_Workspace(ws, win, services);

    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"});
    EXPECT_EQ(ws.ReportState[1], ReportClosed);
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.CurrentReport, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(IndexRoundTrip, TextRecordFilesStayByteIdenticalOverManyCycles) {
    const int a = AddReport("A");
    const int r = AddRecord(a);
    const std::string path = ws.RecordPath[a][r];
    const std::string captured = "   RECORD:12052026-040001AM\r\nRESULT \x80\xFF\r\n\r\n";
    ws.RecordText[a][r] = captured;
    ASSERT_TRUE(Create_iniFile(ws, services));
    const std::string onDisk = ReadFile(path);
    EXPECT_EQ(onDisk, captured + "\r\n") << "what is captured is what lands on disk";

    for (int cycle = 0; cycle < 3; ++cycle) {
        Reload();
        ASSERT_EQ(ws.RecordText[1][1], captured);
        ASSERT_TRUE(Create_iniFile(ws, services));
        EXPECT_EQ(ReadFile(path), onDisk);
    }
}

TEST_F(IndexRoundTrip, NamesAndFieldsSurviveByteForByteEvenWhenTheyLookLikeMarkers) {
    const int a = AddReport("-");
    AddReport("#");
    AddReport("Pr\xFC"
              "fung \x80\xA0");
    AddRecord(a);
    ws.ReportField[a] = {"", "-", "#", " 1 C:\\PLX\\VESK\\12052026-040001AM.txt", ""};
    ws.ReportField[3] = {"", "M\xFCller GmbH", "\xC9milie", "\x93T\x94", ""};
    ws.RecordLabel[a][1] = "#";
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();

    EXPECT_EQ(ws.ReportCount, 3);
    EXPECT_EQ(ws.ReportName[1], "-");
    EXPECT_EQ(ws.ReportName[2], "#");
    EXPECT_EQ(ws.ReportName[3], "Pr\xFC"
                                "fung \x80\xA0");
    EXPECT_EQ(ws.ReportField[3], (Fields{"", "M\xFCller GmbH", "\xC9milie", "\x93T\x94", ""}));
    EXPECT_EQ(ws.ReportField[1][1], "-");
    EXPECT_EQ(ws.ReportField[1][2], "#");
    EXPECT_EQ(ws.ReportField[1][3], " 1 C:\\PLX\\VESK\\12052026-040001AM.txt");
    EXPECT_EQ(ws.ReportField[1][4], "");
    EXPECT_EQ(ws.RecordCount[1], 1);
    EXPECT_EQ(ws.RecordLabel[1][1], "#");
}

TEST_F(IndexRoundTrip, ALineBreakInsideAFieldCannotSplitTheBlock) {
    const int a = AddReport("A");
    AddReport("B");
    AddRecord(a);
    ws.ReportField[a][4] = "line one\r\n-\r\nline two";
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();

    EXPECT_EQ(ws.ReportCount, 2);
    EXPECT_EQ(ws.ReportField[1][4], "line one  -  line two");
    EXPECT_EQ(ws.RecordCount[1], 1);
    EXPECT_EQ(ws.ReportName[2], "B");
}

TEST_F(IndexRoundTrip, DeletedAndFreeRecordsAreNotWritten) {
    const int a = AddReport("A");
    AddRecord(a);
    AddRecord(a);
    AddRecord(a);
    ws.RecordType[a][2] = KindDeleted;
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();

    EXPECT_EQ(ws.RecordCount[1], 2);
    EXPECT_EQ(ws.RecordPath[1][2], recordPath("12052026-040003AM.txt"));
}

TEST_F(IndexRoundTrip, ARenamedRecordKeepsItsNewTextAfterReloading) {
    const int a = AddReport("A");
    AddRecord(a);
    Select(0);
    Popup_Report(ws, win, services);
    Select(1);
    Form5_cmdOK_Click(ws, win, services, "Feeder 12");
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();
    Select(0);
    Popup_Report(ws, win, services);

    EXPECT_EQ(ws.ListText[1], "   Feeder 12_12052026-035651AM");
}

TEST_F(IndexRoundTrip, AfterDeletingAReportTheIndexListsTheOthers) {
    AddReport("A");
    AddReport("B");
    AddReport("C");
    Select(0);
    mnuRecordDelete_Click(ws, win, services);
    ASSERT_TRUE(Create_iniFile(ws, services));

    Reload();

    EXPECT_EQ(ListLines(), (Lines{"B", "C"}));
}

TEST_F(IndexRoundTrip, TheIndexIsReadOnlyBetweenWritesAndCanBeRewritten) {
    AddReport("A");
    ASSERT_TRUE(Create_iniFile(ws, services));
    const auto writeBit = fs::perms::owner_write;
    EXPECT_EQ(fs::status(indexPath()).permissions() & writeBit, fs::perms::none);

    AddReport("B");
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(fs::status(indexPath()).permissions() & writeBit, fs::perms::none);
    EXPECT_NE(ReadFile(indexPath()).find("B\r\n"), std::string::npos);
}

// An index as the older Windows program wrote it: C:\PLX\VESK\ paths, CR LF, a record file
// that already gained an empty first line, a missing record file, stray lines and kinds.
TEST(OlderProgramIndex, IsReadWithRecordsFromTheTargetDirectory) {
    TempDir root;
    const std::string dir = TargetDirectory(root.str(), "VESK");
    fs::create_directories(dir);
    WriteFile(JoinPath(dir, "VESK.ini"), "-\r\n"
                                         "WORKSPACE_12052026-034512AM\r\n"
                                         "Acme Telecom\r\n"
                                         "J. Smith\r\n"
                                         "4711\r\n"
                                         "\r\n"
                                         " 1 C:\\PLX\\VESK\\12052026-035651AM.txt\r\n"
                                         "   RECORD:  12052026-035651AM\r\n"
                                         " 1 C:\\PLX\\VESK\\12052026-035700AM.txt\r\n"
                                         "   RECORD:  12052026-035700AM\r\n"
                                         " 2 C:\\PLX\\VESK\\12052026-040112AM.doc\r\n"
                                         "   GRAPH:    12052026-040112AM\r\n"
                                         " 3 C:\\PLX\\VESK\\12052026-040113AM.txt\r\n"
                                         "   RECORD:  12052026-040113AM\r\n"
                                         "1 C:\\PLX\\VESK\\12052026-040114AM.txt\r\n"
                                         "a stray line\r\n"
                                         "\r\n"
                                         "#\r\n"
                                         "-\r\n"
                                         "Site B\r\n\r\n\r\n\r\n\r\n"
                                         "#\r\n");
    const std::string older = "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm\r\n";
    WriteFile(JoinPath(dir, "12052026-035651AM.txt"), older);
    WriteFile(JoinPath(dir, "12052026-040112AM.doc"), "{\\rtf1}");
    WriteFile(JoinPath(dir, "12052026-040113AM.txt"), "kind 3");
    WriteFile(JoinPath(dir, "12052026-040114AM.txt"), "no leading space");

    DiskFileSystem disk;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{disk, clock, dialogs, root.str()};
    Workspace ws;
    ws.TargetDir = "VESK";
    WindowState win;
    Loading_Workspace(ws, win, services);

    EXPECT_EQ(ws.ReportCount, 2) << "the last report is empty: no fresh report";
    EXPECT_EQ(ws.ReportName[1], "WORKSPACE_12052026-034512AM");
    EXPECT_EQ(ws.ReportField[1], (Fields{"", "Acme Telecom", "J. Smith", "4711", ""}));
    ASSERT_EQ(ws.RecordCount[1], 2) << "the missing file and the stray kinds are dropped";
    EXPECT_EQ(ws.RecordType[1][1], KindRecord);
    EXPECT_EQ(ws.RecordPath[1][1], JoinPath(dir, "12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordText[1][1], "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm");
    EXPECT_EQ(ws.RecordType[1][2], KindGraph);
    EXPECT_EQ(ws.RecordPath[1][2], JoinPath(dir, "12052026-040112AM.doc"));
    EXPECT_EQ(ws.RecordLabel[1][2], "   GRAPH:    12052026-040112AM");
    EXPECT_EQ(ws.ReportName[2], "Site B");
    EXPECT_TRUE(dialogs.messages.empty()) << "nothing was refused";

    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(ReadFile(JoinPath(dir, "12052026-035651AM.txt")), older)
        << "the older file keeps its bytes";
    EXPECT_NE(ReadFile(JoinPath(dir, "VESK.ini"))
                  .find(" 1 " + JoinPath(dir, "12052026-035651AM.txt") + "\r\n"),
              std::string::npos)
        << "record lines carry the native path";
}

TEST_F(IndexRoundTrip, ARecordFileDeletedOnDiskDropsTheRecordAndTheLaterOnesMoveUp) {
    const int a = AddReport("A");
    AddReport("B");
    for (int i = 0; i < 3; ++i)
        AddRecord(a, KindRecord, "screen " + std::to_string(i + 1));
    ASSERT_TRUE(Create_iniFile(ws, services));
    fs::remove(ws.RecordPath[a][2]);

    Reload();

    EXPECT_EQ(ws.RecordCount[1], 2);
    EXPECT_EQ(ws.RecordText[1][2], "screen 3");
    EXPECT_EQ(ws.RecordType[1][3], KindFree);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace orvane::testing
