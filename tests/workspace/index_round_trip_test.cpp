// Writing the index and reading it back, and reading indexes written by the older program.

#include "workspace/index_file.h"

#include "support/scoped_env.h"
#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class IndexRoundTrip : public WorkspaceWorld {
  protected:
    IndexRoundTrip() { ws.Loaded = true; }

    void SaveAndReload() {
        ASSERT_TRUE(Create_iniFile(ws, services));
        ws = Workspace{};
        ws.TargetDir = "VESK";
        Loading_Workspace(ws, win, services);
    }
    bool IndexWritable() const {
        return (fs::status(indexPath()).permissions() & fs::perms::owner_write) != fs::perms::none;
    }
};

TEST_F(IndexRoundTrip, WritesBlocksLineByLineAndReadsThemBackClosed) {
    AddReport("WORKSPACE_12052026-034512AM");
    AddRecord(1, KindRecord, "first\r\nscreen");
    AddRecord(1, KindGraph);
    AddReport("B");
    ws.ReportField[1] = {"", "Acme", "", "T-1", "note"};
    Open(0);
    ws.Dirty = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_FALSE(ws.Dirty);
    const std::string dir = targetDir() + PathSeparator;
    EXPECT_EQ(ReadFile(indexPath()),
              "-\r\nWORKSPACE_12052026-034512AM\r\nAcme\r\n\r\nT-1\r\nnote\r\n 1 " + dir +
                  "12052026-040001AM.txt\r\n   RECORD:  12052026-040001AM\r\n 2 " + dir +
                  "12052026-040002AM.doc\r\n   GRAPH:    12052026-040002AM\r\n#\r\n" +
                  "-\r\nB\r\n\r\n\r\n\r\n\r\n#\r\n");
    EXPECT_FALSE(IndexWritable()) << "read-only between writes";
    const Workspace written = ws;

    SaveAndReload();

    EXPECT_EQ(ListLines(), (Lines{"WORKSPACE_12052026-034512AM", "B"}));
    EXPECT_EQ(Mirror(), "1,2 / 0,0") << "the last report is empty: no fresh report";
    EXPECT_EQ(ws.ReportState[1], ReportClosed);
    EXPECT_EQ(ws.CurrentReport, 0);
    EXPECT_EQ(ws.ReportField[1], written.ReportField[1]);
    EXPECT_EQ(ws.RecordType[1], written.RecordType[1]);
    EXPECT_EQ(ws.RecordPath[1], written.RecordPath[1]);
    EXPECT_EQ(ws.RecordLabel[1], written.RecordLabel[1]);
    EXPECT_EQ(ws.RecordText[1], written.RecordText[1]);
    EXPECT_FALSE(ws.Dirty);

    AddRecord(2);
    SaveAndReload();
    EXPECT_EQ(ListLines(),
              (Lines{"WORKSPACE_12052026-034512AM", "B", "WORKSPACE_12052026-035651AM"}))
        << "the last report holds a record: a fresh current one follows";
    EXPECT_EQ(ws.CurrentReport, 3);
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(IndexRoundTrip, NamesFieldsAndLabelsSurviveByteForByteEvenWhenTheyLookLikeMarkers) {
    AddRecords(AddReport("-"), 3);
    AddReport("#");
    AddReport("M\xFCnchen \x80\xA0");
    ws.RecordType[1][2] = KindDeleted;
    ws.RecordLabel[1][3] = "#";
    ws.ReportField[1] = {"", "-", "#", " 1 C:\\PLX\\VESK\\12052026-040001AM.txt", ""};
    ws.ReportField[2][4] = "line one\r\n-\r\nline two";
    ws.ReportField[3] = {"", "M\xFCller GmbH", "\xC9milie", "\x93T\x94", ""};
    const Workspace written = ws;

    SaveAndReload();

    EXPECT_EQ(ListLines(), (Lines{"-", "#", "M\xFCnchen \x80\xA0"}));
    EXPECT_EQ(ws.ReportField[1], written.ReportField[1]);
    EXPECT_EQ(ws.ReportField[2][4], "line one  -  line two") << "a line break cannot split a block";
    EXPECT_EQ(ws.ReportField[3], written.ReportField[3]);
    ASSERT_EQ(ws.RecordCount[1], 2) << "the deleted record is not written";
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ws.RecordPath[1][2], recordPath("12052026-040003AM.txt"));
    EXPECT_EQ(ws.RecordLabel[1][2], "#");
}

TEST_F(IndexRoundTrip, TextRecordFilesStayByteIdenticalOverManyCycles) {
    AddRecord(AddReport("A"));
    const std::string path = ws.RecordPath[1][1];
    const std::string captured = "   RECORD:12052026-040001AM\r\nRESULT \x80\xFF\r\n\r\n";
    ws.RecordText[1][1] = captured;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        SaveAndReload();
        EXPECT_EQ(ReadFile(path), captured + "\r\n") << "what is captured is what lands on disk";
        ASSERT_EQ(ws.RecordText[1][1], captured);
    }
}

// An index as the older Windows program wrote it: C:\PLX\VESK\ paths, CR LF, the time suffixes
// of several regional settings, a record file that already gained an empty first line, missing
// record files, stray lines and kinds, a record listed twice.
TEST_F(IndexRoundTrip, TheOlderProgramsIndexIsReadWithRecordsFromTheTargetDirectory) {
    WriteFile(indexPath(),
              "-\r\nWORKSPACE_12052026-034512AM\r\nAcme Telecom\r\nJ. Smith\r\n4711\r\n\r\n"
              " 1 C:\\PLX\\VESK\\12052026-035651AM.txt\r\n   RECORD:  12052026-035651AM\r\n"
              " 1 C:\\PLX\\VESK\\12052026-035700AM.txt\r\n   RECORD:  12052026-035700AM\r\n"
              " 2 C:\\PLX\\VESK\\12052026-040112AM.doc\r\n   GRAPH:    12052026-040112AM\r\n"
              " 2 C:\\PLX\\VESK\\12052026-040116AM.doc\r\n   GRAPH:    12052026-040116AM\r\n"
              " 1 C:\\PLX\\VESK\\12052026-030405m..txt\r\n   RECORD:  12052026-030405m.\r\n"
              " 2 C:\\PLX\\VESK\\12052026-080910 s.doc\r\n   GRAPH:    12052026-080910 s\r\n"
              " 3 C:\\PLX\\VESK\\12052026-040113AM.txt\r\n   RECORD:  12052026-040113AM\r\n"
              "1 C:\\PLX\\VESK\\12052026-040114AM.txt\r\n"
              "  1 C:\\PLX\\VESK\\12052026-040115AM.txt\r\n"
              "a stray line\r\n\r\n#\r\n"
              "-\r\nSite B\r\n\r\n\r\n\r\n\r\n"
              " 1 C:\\PLX\\VESK\\12052026-030405m..txt\r\n   RECORD:  12052026-030405m.\r\n#\r\n");
    const std::string older = "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm\r\n";
    WriteFile(recordPath("12052026-035651AM.txt"), older);
    WriteFile(recordPath("12052026-040112AM.doc"), "{\\rtf1}");
    WriteFile(recordPath("12052026-030405m..txt"), "a.m.\r\n");
    WriteFile(recordPath("12052026-080910 s.doc"), "{\\rtf1}");
    for (const char* stray :
         {"12052026-040113AM.txt", "12052026-040114AM.txt", "12052026-040115AM.txt"})
        WriteFile(recordPath(stray), "not listed as a record");

    ws.Loaded = false; // the first load of the run: nothing to write first
    Loading_Workspace(ws, win, services);

    EXPECT_EQ(ListLines(), (Lines{"WORKSPACE_12052026-034512AM", "Site B"})) << "no fresh report";
    EXPECT_EQ(ws.ReportField[1], (Fields{"", "Acme Telecom", "J. Smith", "4711", ""}));
    ASSERT_EQ(ws.RecordCount[1], 4) << "the missing files and the stray kinds are dropped";
    EXPECT_EQ(ws.RecordType[1][1], KindRecord);
    EXPECT_EQ(ws.RecordPath[1][1], recordPath("12052026-035651AM.txt"));
    EXPECT_EQ(ws.RecordText[1][1], "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm");
    EXPECT_EQ(ws.RecordType[1][2], KindGraph) << "records after the missing one move up";
    EXPECT_EQ(ws.RecordPath[1][2], recordPath("12052026-040112AM.doc"));
    EXPECT_EQ(ws.RecordLabel[1][2], "   GRAPH:    12052026-040112AM");
    EXPECT_EQ(ws.RecordPath[1][3], recordPath("12052026-030405m..txt"));
    EXPECT_EQ(ws.RecordText[1][3], "a.m.");
    EXPECT_EQ(ws.RecordLabel[1][4], "   GRAPH:    12052026-080910 s");
    EXPECT_EQ(ws.RecordType[1][5], KindFree);
    EXPECT_EQ(ws.RecordCount[2], 0) << "listed twice: kept in its first report";
    ExpectToldOnce("- 1 record(s) listed more than once\r\nThey are dropped");

    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(ReadFile(recordPath("12052026-035651AM.txt")), older)
        << "the older file keeps its bytes";
    EXPECT_NE(ReadFile(indexPath()).find(" 1 " + recordPath("12052026-035651AM.txt") + "\r\n"),
              std::string::npos)
        << "record lines carry the native path";
}

// On Windows the data root is C:\PLX itself, as the older program had it; a machine whose
// C:\PLX already holds records is left alone.
class IndexInTheDataRoot : public IndexRoundTrip {
  protected:
    void SetUp() override {
#ifdef _WIN32
        const ScopedEnv noRoot("KAVREL_DATA_ROOT", nullptr);
        ASSERT_EQ(DefaultDataRoot(), "C:\\PLX");
        if (fs::exists(DefaultDataRoot()))
            GTEST_SKIP() << "C:\\PLX exists and is not a test's to change";
        services.dataRoot = DefaultDataRoot();
        claimed_ = true;
        ASSERT_TRUE(files.MakeDirectory(services.dataRoot) && files.MakeDirectory(targetDir()));
#endif
    }
    void TearDown() override {
        if (!claimed_)
            return;
        files.SetReadOnly(indexPath(), false);
        fs::remove_all(services.dataRoot);
    }

  private:
    bool claimed_ = false;
};

TEST_F(IndexInTheDataRoot, TheOlderProgramsReadOnlyIndexIsReplacedByteForByte) {
    const std::string dir = targetDir() + PathSeparator;
    const std::string index =
        "-\r\nWORKSPACE_12052026-034512AM\r\nAcme Telecom\r\nJ. Smith\r\n4711\r\n\r\n"
        " 1 " +
        dir +
        "12052026-035651AM.txt\r\n   RECORD:  12052026-035651AM\r\n"
        " 2 " +
        dir +
        "12052026-040112AM.doc\r\n   GRAPH:    12052026-040112AM\r\n#\r\n"
        "-\r\nSite B\r\n\r\n\r\n\r\n\r\n#\r\n";
    const std::string older = "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm\r\n";
    ASSERT_TRUE(files.Write(indexPath(), index) && files.SetReadOnly(indexPath(), true));
    ASSERT_TRUE(files.Write(recordPath("12052026-035651AM.txt"), older));
    ASSERT_TRUE(files.Write(recordPath("12052026-040112AM.doc"), "{\\rtf1}"));

    ws = Workspace{};
    ws.TargetDir = "VESK";
    Loading_Workspace(ws, win, services);
    ASSERT_EQ(ws.RecordCount[1], 2);
    EXPECT_EQ(ws.RecordPath[1][1], dir + "12052026-035651AM.txt");
    ASSERT_TRUE(Create_iniFile(ws, services));

    EXPECT_EQ(ReadFile(indexPath()), index);
    EXPECT_FALSE(IndexWritable());
    EXPECT_EQ(ReadFile(recordPath("12052026-035651AM.txt")), older);
    SaveAndReload();
    EXPECT_EQ(ListLines(), (Lines{"WORKSPACE_12052026-034512AM", "Site B"}));
    EXPECT_EQ(ws.RecordText[1][1], "\r\n   RECORD:12052026-035651AM\r\nLEVEL -12.5 dBm");
}

} // namespace
} // namespace orvane::testing
