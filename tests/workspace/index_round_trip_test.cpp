// Writing the index and the record files and reading them back.

#include "support/scoped_env.h"
#include "workspace/index_format.h"
#include "workspace_world.h"

namespace orvane::testing {
namespace {

// On Windows the files go to C:\PLX itself, the data root the older program had, unless the
// machine holds one already: that is not a test's to change.
class IndexRoundTrip : public WorkspaceWorld {
  protected:
    void SetUp() override {
#ifdef _WIN32
        const ScopedEnv noRoot("KAVREL_DATA_ROOT", nullptr);
        if (fs::exists(DefaultDataRoot()))
            return;
        services.dataRoot = DefaultDataRoot();
        ASSERT_EQ(services.dataRoot, "C:\\PLX");
        claimed_ = files.MakeDirectory(services.dataRoot);
        ASSERT_TRUE(claimed_ && files.MakeDirectory(targetDir()));
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

// Load then save gives the same bytes: names, fields and labels that look like markers or
// hold 8-bit characters, text and graph records; a fresh report follows one holding records.
TEST_F(IndexRoundTrip, LoadingThenSavingGivesTheReadOnlyIndexBackByteForByte) {
    const std::string d = targetDir() + PathSeparator + "12052026-0400";
    for (const char* name : {"01AM.txt", "02AM.doc", "03AM.txt"})
        ASSERT_TRUE(files.Write(d + name, "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF\r\n"));
    const std::pair<std::string, bool> rows[] = {
        {IndexText("-|WORKSPACE_12052026-034512AM|Acme||T-1|note| 1 ") + d +
             IndexText("01AM.txt|   RECORD:  12052026-040001AM| 2 ") + d +
             IndexText("02AM.doc|   GRAPH:    12052026-040002AM|#|-|B|||||#|"),
         false},
        {IndexText("-|-|-|#|%12052026-040001AM.txt|| 1 ") + d +
             IndexText("03AM.txt|#|#|-|M\xFCnchen \x80\xA0|M\xFCller|\xC9milie|\x93T\x94|| 2 ") +
             d + IndexText("02AM.doc|\x80 label|#|"),
         true}};
    for (const auto& [index, fresh] : rows) {
        SCOPED_TRACE(index);
        files.SetReadOnly(indexPath(), false);
        ASSERT_TRUE(files.Write(indexPath(), index) && files.SetReadOnly(indexPath(), true));
        Load();
        EXPECT_EQ(std::tuple(dialogs.messages, ws.RecordText[1][1], ws.CurrentReport,
                             ws.ReportState[1], ws.Dirty),
                  std::tuple(Lines{}, "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF",
                             fresh ? ws.ReportCount : 0, ReportClosed, false));
        ASSERT_TRUE(Create_iniFile(ws, services));
        EXPECT_EQ(ReadFile(indexPath()),
                  index + (fresh ? IndexText("-|WORKSPACE_12052026-035651AM|||||#|") : ""));
        EXPECT_EQ(fs::status(indexPath()).permissions() & fs::perms::owner_write, fs::perms::none);
        EXPECT_EQ(ReadFile(d + "01AM.txt"), "\r\n   RECORD:\r\nLEVEL -12.5 dBm \x80\xFF\r\n");
    }
}

// Deleted records and freed reports are left out; a line break cannot split a block. Record
// files are written only where their text changed or they went missing.
TEST_F(IndexRoundTrip, TheTablesAreWrittenLineByLineAndOnlyChangedRecordFilesAgain) {
    const int a = AddReport("A");
    for (int i = 0; i < 4; ++i)
        AddRecord(a, KindRecord, "screen " + std::to_string(i));
    ws.RecordType[a][4] = KindDeleted;
    ws.ReportState[AddReport("freed")] = ReportFree;
    AddRecord(AddReport("B"), KindGraph);
    ws.ReportField[a][4] = "line one\r\n-\nline two";
    ws.Loaded = ws.Dirty = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    const auto line = [&](int n) {
        return " 1 " + ws.RecordPath[a][n] + "\r\n" + ws.RecordLabel[a][n] + "\r\n";
    };
    EXPECT_EQ(ReadFile(indexPath()), "-\r\nA\r\n\r\n\r\n\r\nline one  - line two\r\n" + line(1) +
                                         line(2) + line(3) + "#\r\n-\r\nB\r\n\r\n\r\n\r\n\r\n 2 " +
                                         ws.RecordPath[3][1] + "\r\n" + ws.RecordLabel[3][1] +
                                         "\r\n#\r\n");
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
    EXPECT_EQ(std::tuple(ReadFile(ws.RecordPath[a][2]), ReadFile(ws.RecordPath[a][3]), ws.Dirty),
              std::tuple("screen 1, edited\r\n\r\n", "screen 2\r\n", true));
    ExpectToldOnce(ws.RecordPath[a][1]);
    // Not told again while the disk fails alike; another failure, or one after a success, is.
    for (const std::set<std::string>& fail : {files.failWrite, {indexPath()}, {}, {indexPath()}})
        EXPECT_EQ((files.failWrite = fail, Create_iniFile(ws, services)), fail.empty());
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

} // namespace
} // namespace orvane::testing
