// Writing the index and the record files and reading them back.

#include "support/scoped_env.h"
#include "workspace/index_format.h"
#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// On Windows the data root is C:\PLX itself, as the older program had it; a machine whose
// C:\PLX already holds records is left alone.
class IndexRoundTrip : public WorkspaceWorld {
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
    bool IndexWritable() const {
        return (fs::status(indexPath()).permissions() & fs::perms::owner_write) != fs::perms::none;
    }

  private:
    bool claimed_ = false;
};

// Load then save gives the same bytes: names, fields and labels that look like markers or
// hold 8-bit characters, text and graph records; a fresh report follows one holding records.
TEST_F(IndexRoundTrip, LoadingThenSavingGivesTheReadOnlyIndexBackByteForByte) {
    const std::string d = targetDir() + PathSeparator + "12052026-0400";
    for (const char* name : {"01AM.txt", "02AM.doc", "03AM.txt"})
        ASSERT_TRUE(files.Write(d + name, "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF\r\n"));
    const struct {
        std::string index;
        bool fresh;
    } rows[] = {
        {"-\r\nWORKSPACE_12052026-034512AM\r\nAcme\r\n\r\nT-1\r\nnote\r\n 1 " + d +
             "01AM.txt\r\n   RECORD:  12052026-040001AM\r\n 2 " + d +
             "02AM.doc\r\n   GRAPH:    12052026-040002AM\r\n#\r\n-\r\nB\r\n\r\n\r\n\r\n\r\n#\r\n",
         false},
        {"-\r\n-\r\n-\r\n#\r\n 1 C:\\PLX\\VESK\\12052026-040001AM.txt\r\n\r\n 1 " + d +
             "03AM.txt\r\n#\r\n#\r\n-\r\nM\xFCnchen \x80\xA0\r\nM\xFCller\r\n\xC9milie\r\n"
             "\x93T\x94\r\n\r\n 2 " +
             d + "02AM.doc\r\n\x80 label\r\n#\r\n",
         true},
    };
    for (const auto& [index, fresh] : rows) {
        SCOPED_TRACE(index);
        files.SetReadOnly(indexPath(), false);
        ASSERT_TRUE(files.Write(indexPath(), index) && files.SetReadOnly(indexPath(), true));
        Load();
        EXPECT_EQ(dialogs.messages, Lines{});
        EXPECT_EQ(ws.RecordText[1][1], "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF");
        EXPECT_EQ(ws.CurrentReport, fresh ? ws.ReportCount : 0);
        EXPECT_TRUE(ws.ReportState[1] == ReportClosed && !ws.Dirty);
        ASSERT_TRUE(Create_iniFile(ws, services));
        EXPECT_EQ(ReadFile(indexPath()),
                  index +
                      (fresh ? "-\r\nWORKSPACE_12052026-035651AM\r\n\r\n\r\n\r\n\r\n#\r\n" : ""));
        EXPECT_FALSE(IndexWritable());
        EXPECT_EQ(ReadFile(d + "01AM.txt"), "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF\r\n");
    }
}

TEST_F(IndexRoundTrip, TheTablesAreWrittenLineByLineWithoutDeletedRecordsOrFreedReports) {
    AddRecords(AddReport("A"), 3);
    ws.RecordType[1][2] = KindDeleted;
    AddReport("freed");
    ws.ReportState[2] = ReportFree;
    AddRecord(AddReport("B"), KindGraph);
    ws.ReportField[1][4] = "line one\r\n-\nline two";
    ws.Loaded = ws.Dirty = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_FALSE(ws.Dirty);
    EXPECT_EQ(
        ReadFile(indexPath()),
        "-\r\nA\r\n\r\n\r\n\r\nline one  - line two\r\n 1 " + recordPath("12052026-040001AM.txt") +
            "\r\n   RECORD:  12052026-040001AM\r\n 1 " + recordPath("12052026-040003AM.txt") +
            "\r\n   RECORD:  12052026-040003AM\r\n#\r\n-\r\nB\r\n\r\n"
            "\r\n\r\n\r\n 2 " +
            recordPath("12052026-040004AM.doc") + "\r\n   GRAPH:    12052026-040004AM\r\n#\r\n");
}

TEST_F(IndexRoundTrip, OnlyChangedOrMissingRecordFilesAreRewrittenAndAFailureIsToldOnce) {
    const int a = AddReport("A");
    for (int i = 0; i < 3; ++i)
        AddRecord(a, KindRecord, "screen " + std::to_string(i));
    ws.Loaded = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    files.written.clear();
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, Lines{indexPath()});

    ws.RecordText[a][1] = "screen 0, edited";
    ws.RecordText[a][2] = "screen 1, edited\r\n";
    fs::remove(ws.RecordPath[a][3]);
    files.failWrite.insert(ws.RecordPath[a][1]);
    files.written.clear();
    ws.Dirty = true;
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, (Lines{ws.RecordPath[a][2], ws.RecordPath[a][3], indexPath()}));
    EXPECT_EQ(ReadFile(ws.RecordPath[a][2]), "screen 1, edited\r\n\r\n");
    EXPECT_EQ(ReadFile(ws.RecordPath[a][3]), "screen 2\r\n");
    EXPECT_TRUE(ws.Dirty);
    ExpectToldOnce(ws.RecordPath[a][1]);
    // Not told again while the disk fails alike; another failure, or one after a success, is.
    EXPECT_FALSE(Create_iniFile(ws, services));
    files.failWrite = {indexPath()};
    EXPECT_FALSE(Create_iniFile(ws, services));
    files.failWrite.clear();
    ASSERT_TRUE(Create_iniFile(ws, services));
    files.failWrite = {indexPath()};
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST(RecordFileName, AcceptsWhatAnyTimeFormatGaveAndRefusesWhatLeavesTheFolder) {
    // AM/PM, 24-hour seconds, "a.m."/"p.m.", a blank and a letter, other locales' letters.
    for (const char* name :
         {"12052026-035651AM.txt", "12052026-15040505.txt", "12052026-030405m..txt",
          "12052026-080910 s.txt", "12052026-150405\xE4\xF6.txt", "1205202a_03565.AM.txt"})
        EXPECT_TRUE(IsRecordFileName(name, KindRecord)) << name;
    EXPECT_TRUE(IsRecordFileName("12052026-040112PM.doc", KindGraph));
    for (std::int16_t kind : {KindGraph, KindDeleted, std::int16_t{3}})
        EXPECT_FALSE(IsRecordFileName("12052026-035651AM.txt", kind)) << kind;
    // Wrong extension or length, separators, drive colon, control characters.
    for (const char* name :
         {"12052026-035651AM.doc", "12052026-035651AM.TXT", "12052026-035651A.txt",
          "12052026-035651AMX.txt", "12052026-035651\\M.txt", "12052026-035651/M.txt",
          "C:052026-035651AM.txt", "12052026-035651:M.txt", "12052026-035651\nM.txt",
          "12052026-035651\x7FM.txt", "..\\..\\..\\..\\..\\xy.txt", "../../../../../xy.txt"})
        EXPECT_FALSE(IsRecordFileName(name, KindRecord)) << name;
}

TEST(RecordFileText, ReadingGivesBackWhatWritingWasGivenAndAFileWithoutTheLastLineEnd) {
    for (const std::string text : {"", "X\r\nY", "X\r\nY\r\n", "\r\nX\r\nY", "\r\n", "A\rB\nC"})
        EXPECT_EQ(RecordTextOf(RecordFileBytes(text)), text);
    EXPECT_EQ(RecordTextOf("X\r\nY"), "X\r\nY");
}

} // namespace
} // namespace orvane::testing
