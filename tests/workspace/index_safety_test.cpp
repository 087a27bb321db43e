// The index never loses a workspace and never follows what it should not trust.

#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include "workspace_world.h"

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class IndexSafety : public WorkspaceWorld {
  protected:
    std::string Block(const std::string& name, const std::vector<std::string>& recordLines) {
        std::string block = "-\r\n" + name + "\r\n\r\n\r\n\r\n\r\n";
        for (const std::string& line : recordLines)
            block += line + "\r\n   RECORD:  label\r\n";
        return block + "#\r\n";
    }
    // A record line naming `name` and a text file of that name in the target directory.
    std::string TextRecordLine(const std::string& name) {
        WriteFile(recordPath(name), "text of " + name + "\r\n");
        return " 1 C:\\PLX\\VESK\\" + name;
    }
    void Load() { Loading_Workspace(ws, win, services); }
};

TEST_F(IndexSafety, AWorkspaceNeverLoadedIsNeverWritten) {
    WriteFile(indexPath(), Block("Stored", {}));
    const int a = AddReport("made before connecting");
    AddRecord(a);
    ws.Dirty = true;

    EXPECT_FALSE(Create_iniFile(ws, services));

    EXPECT_EQ(ReadFile(indexPath()), Block("Stored", {}));
    EXPECT_TRUE(files.written.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    ws.TargetDir.clear();
    Load();
    EXPECT_FALSE(Create_iniFile(ws, services)) << "no target, no index";
    EXPECT_TRUE(files.written.empty());
}

TEST_F(IndexSafety, LoadingAgainWritesUnsavedChangesFirst) {
    Load();
    Select(0);
    Form5_cmdOK_Click(ws, win, services, "Renamed before reconnect");
    ASSERT_TRUE(ws.Dirty);

    Load();

    EXPECT_EQ(ListLines(), Lines{"Renamed before reconnect"});
    EXPECT_FALSE(ws.Dirty);
}

TEST_F(IndexSafety, LoadingKeepsTheTablesWhenTheirChangesCannotBeWritten) {
    Load();
    Select(0);
    Form5_cmdOK_Click(ws, win, services, "Unsaved name");
    files.failWrite.insert(indexPath());

    Load();

    EXPECT_EQ(ListLines(), Lines{"Unsaved name_12052026-035651AM"});
    EXPECT_TRUE(ws.Dirty);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(indexPath()), std::string::npos);
}

TEST_F(IndexSafety, ChangesOfThePreviousTargetGoToItsOwnIndex) {
    Load();
    Select(0);
    Form5_cmdOK_Click(ws, win, services, "Vesk report");
    fs::create_directories(TargetDirectory(root.str(), "TARN"));
    ws.TargetDir = "TARN";

    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_FALSE(fs::exists(IndexPath(root.str(), "TARN")))
        << "the tables belong to VESK until TARN's index is read";

    Select(0);
    Form5_cmdOK_Click(ws, win, services, "Vesk report, renamed");
    Load();

    EXPECT_NE(ReadFile(indexPath()).find("Vesk report, renamed\r\n"), std::string::npos);
    EXPECT_EQ(ws.LoadedTargetDir, "TARN");
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_NE(ws.ReportName[1], "Vesk report, renamed");
}

TEST_F(IndexSafety, AFailedSaveOfAnotherTargetDoesNotKeepItsTablesOnTheNewTarget) {
    Load();
    Select(0);
    Form5_cmdOK_Click(ws, win, services, "Vesk report");
    files.failWrite.insert(indexPath());
    fs::create_directories(TargetDirectory(root.str(), "TARN"));
    ws.TargetDir = "TARN";

    Load();

    EXPECT_EQ(ws.LoadedTargetDir, "TARN");
    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"});
    ASSERT_EQ(dialogs.messages.size(), 1u) << "the failed save of VESK was told";
    EXPECT_NE(dialogs.messages[0].find(indexPath()), std::string::npos);
}

TEST_F(IndexSafety, RecordNamesOfAnotherFormAreRefusedAndNothingOutsideIsRead) {
    WriteFile(JoinPath(root.str(), "12052026-040001AM.txt"), "outside the target");
    const std::string good = TextRecordLine("12052026-040002AM.txt");
    WriteFile(indexPath(), Block("A", {
                                          " 1 ..\\..\\..\\..\\..\\..\\etc\\passwd",
                                          " 1 /tmp/../../../../../../secret.txt",
                                          " 1 C:\\PLX\\VESK\\..\\12052026-04.txt",
                                          " 1 C:\\PLX\\VESK\\12052026/040003AM.txt",
                                          " 1 12052026-040004AM.doc",
                                          " 2 C:\\PLX\\VESK\\12052026-040005AM.txt",
                                          " 1 C:\\PLX\\12052026-040001AM.txt",
                                          good,
                                      }));

    Load();

    ASSERT_EQ(ws.RecordCount[1], 1);
    EXPECT_EQ(ws.RecordPath[1][1], recordPath("12052026-040002AM.txt"));
    ASSERT_EQ(dialogs.messages.size(), 1u) << "told once";
    EXPECT_NE(dialogs.messages[0].find("6 record line(s) not naming a record file"),
              std::string::npos)
        << dialogs.messages[0];
    for (const std::string& path : files.read)
        EXPECT_TRUE(path == indexPath() || path.starts_with(targetDir() + PathSeparator)) << path;
}

TEST_F(IndexSafety, MoreThanFiftyReportsAreRefused) {
    std::string index;
    for (int i = 1; i <= 52; ++i)
        index += Block("R" + std::to_string(i), {});
    index += "-\r\nR53\r\n\r\n\r\n\r\n\r\n" + TextRecordLine("12052026-040001AM.txt") +
             "\r\nlabel\r\n#\r\n";
    WriteFile(indexPath(), index);

    Load();

    EXPECT_EQ(ws.ReportCount, 50);
    EXPECT_EQ(ws.ReportName[50], "R50");
    EXPECT_EQ(ws.RecordCount[50], 0) << "a refused block's records stay out";
    EXPECT_EQ(ws.ListCount, 50);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("3 report(s) beyond the limit of 50"), std::string::npos);
}

TEST_F(IndexSafety, FiftyReportsWithRecordsInTheLastLeaveNoRoomForAFreshOne) {
    std::string index;
    for (int i = 1; i < MaxReports; ++i)
        index += Block("R" + std::to_string(i), {});
    index += Block("R50", {TextRecordLine("12052026-040001AM.txt")});
    WriteFile(indexPath(), index);

    Load();

    EXPECT_EQ(ws.ReportCount, 50);
    EXPECT_EQ(ws.ListCount, 50);
    EXPECT_EQ(dialogs.messages, Lines{" Maximum Report Number is 50! "});
}

TEST_F(IndexSafety, MoreThanFiftyRecordsInABlockAreRefused) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 51; ++i)
        lines.push_back(TextRecordLine(Stamp(i) + ".txt"));
    WriteFile(indexPath(), Block("A", lines));

    Load();

    EXPECT_EQ(ws.RecordCount[1], 50);
    EXPECT_EQ(ws.RecordPath[1][50], recordPath(Stamp(50) + ".txt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("1 record(s) beyond the limit of 50 per report"),
              std::string::npos);
}

TEST_F(IndexSafety, MissingFilesDoNotCountTowardsTheLimit) {
    std::vector<std::string> lines{" 1 C:\\PLX\\VESK\\12052026-050000AM.txt"};
    for (int i = 1; i <= 50; ++i)
        lines.push_back(TextRecordLine(Stamp(i) + ".txt"));
    WriteFile(indexPath(), Block("A", lines));

    Load();

    EXPECT_EQ(ws.RecordCount[1], 50);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(IndexSafety, ARecordListedTwiceIsRefused) {
    const std::string line = TextRecordLine("12052026-040001AM.txt");
    WriteFile(indexPath(), Block("A", {line}) + Block("B", {line}));

    Load();

    EXPECT_EQ(ws.RecordCount[1], 1);
    EXPECT_EQ(ws.RecordCount[2], 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("listed more than once"), std::string::npos);
}

TEST_F(IndexSafety, AnUnreadableRecordFileIsLeftOutAndNeverOverwritten) {
    const std::string line = TextRecordLine("12052026-040001AM.txt");
    files.failRead.insert(recordPath("12052026-040001AM.txt"));
    WriteFile(indexPath(), Block("A", {line}));

    Load();
    ASSERT_TRUE(Create_iniFile(ws, services));

    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ReadFile(recordPath("12052026-040001AM.txt")), "text of 12052026-040001AM.txt\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be read"), std::string::npos);
}

TEST_F(IndexSafety, BlocksWithoutClosingHashKeepTheRecordsRead) {
    const std::string first = TextRecordLine("12052026-040001AM.txt");
    const std::string second = TextRecordLine("12052026-040002AM.txt");
    const std::string third = TextRecordLine("12052026-040003AM.txt");
    WriteFile(indexPath(), "-\r\nA\r\n\r\n\r\n\r\n\r\n" + first + "\r\nl1\r\n" + second +
                               "\r\nl2\r\n"
                               "-\r\nB\r\n\r\n\r\n\r\n\r\n" +
                               third + "\r\nl3\r\n");

    Load();

    EXPECT_EQ(ws.RecordCount[1], 2);
    EXPECT_EQ(ws.RecordLabel[1][2], "l2");
    EXPECT_EQ(ws.RecordCount[2], 1);
    EXPECT_EQ(ws.ReportCount, 3) << "the last report holds a record: a fresh one follows";
}

TEST_F(IndexSafety, RecordLinesOutsideABlockAreIgnored) {
    const std::string before = TextRecordLine("12052026-040001AM.txt");
    const std::string after = TextRecordLine("12052026-040002AM.txt");
    WriteFile(indexPath(), before + "\r\nlabel\r\n" + Block("A", {}) + after + "\r\nlabel\r\n");

    Load();

    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.RecordType[0][1], KindFree) << "slot 0 is never filled";
}

TEST_F(IndexSafety, BinaryJunkAndHugeLinesDoNotBreakLoading) {
    std::string junk;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 1 << 20; ++i) {
        seed = seed * 1664525u + 1013904223u;
        junk += static_cast<char>(seed >> 24);
    }
    junk += std::string(8 << 20, 'x');
    junk += "\r\n-\r\n" + std::string(1 << 20, '\0') + "\r\n";
    WriteFile(indexPath(), junk);

    Load();

    EXPECT_LE(ws.ReportCount, 50);
    EXPECT_LE(ws.ListCount, MaxListLines);
    EXPECT_GE(ws.ReportCount, 1);
    EXPECT_TRUE(ws.Loaded);
}

TEST_F(IndexSafety, AnIndexThatIsADirectoryLoadsEmptyAndIsNotReplaced) {
    fs::create_directories(indexPath());

    Load();

    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be read"), std::string::npos);

    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_TRUE(fs::is_directory(indexPath()));
    EXPECT_EQ(dialogs.messages.size(), 2u) << "the failed save is told";
}

TEST_F(IndexSafety, AFailedRecordWriteIsToldAndTheRestIsStillWritten) {
    ws.Loaded = true;
    const int a = AddReport("A");
    AddRecord(a, KindRecord, "one");
    AddRecord(a, KindRecord, "two");
    ws.RecordText[a][1] = "one, edited";
    ws.RecordText[a][2] = "two, edited";
    files.failWrite.insert(ws.RecordPath[a][1]);
    ws.Dirty = true;

    EXPECT_FALSE(Create_iniFile(ws, services));

    EXPECT_EQ(ReadFile(ws.RecordPath[a][2]), "two, edited\r\n");
    EXPECT_TRUE(fs::exists(indexPath()));
    EXPECT_TRUE(ws.Dirty);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(ws.RecordPath[a][1]), std::string::npos);
}

TEST_F(IndexSafety, OnlyChangedOrMissingRecordFilesAreRewritten) {
    const int a = AddReport("A");
    for (int i = 0; i < 3; ++i)
        AddRecord(a, KindRecord, "screen " + std::to_string(i));
    ws.Loaded = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    files.written.clear();

    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, Lines{indexPath()});

    ws.RecordText[a][2] = "screen 1, edited";
    fs::remove(ws.RecordPath[a][3]);
    files.written.clear();
    ASSERT_TRUE(Create_iniFile(ws, services));

    EXPECT_EQ(files.written, (Lines{ws.RecordPath[a][2], ws.RecordPath[a][3], indexPath()}));
    EXPECT_EQ(ReadFile(ws.RecordPath[a][2]), "screen 1, edited\r\n");
    EXPECT_EQ(ReadFile(ws.RecordPath[a][3]), "screen 2\r\n");
}

class CountingSurface final : public PictureSurface {
  public:
    int clears = 0;
    int removals = 0;
    void Clear() override { ++clears; }
    bool LoadPicture(const EncodedImage&) override { return true; }
    void RemovePicture() override { ++removals; }
    void SetPixel(int, int, bool) override {}
    void Print(std::string_view) override {}
    void NewLine() override {}
    EncodedImage Image() const override { return {}; }
};

TEST_F(IndexSafety, LoadingEmptiesTheVisibleView) {
    CountingSurface imgScreen;
    win.Text1.visible = true;
    win.Text1.Set("old record");
    Loading_Workspace(ws, win, services, &imgScreen);
    EXPECT_EQ(win.Text1.text, "");
    EXPECT_EQ(imgScreen.clears, 0);

    win.Text1.visible = false;
    win.imgScreenVisible = true;
    Loading_Workspace(ws, win, services, &imgScreen);
    EXPECT_EQ(imgScreen.clears, 1);
    EXPECT_EQ(imgScreen.removals, 1);
}

TEST_F(IndexSafety, LoadingDropsEverythingOfThePreviousWorkspace) {
    const int a = AddReport("Old");
    AddRecord(a);
    ws.CurrentReport = 1;
    ws.RecordInEditor = true;
    win.HeaderBox = {"old", "old", "old", "old"};
    Select(0);

    Load();

    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"});
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_EQ(ws.RecordType[1][1], KindFree);
    EXPECT_EQ(ws.RecordText[1][1], "");
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(win.ListIndex, -1);
    EXPECT_EQ(win.HeaderBox, (Boxes{"", "", "", ""}));
}

} // namespace
} // namespace orvane::testing
