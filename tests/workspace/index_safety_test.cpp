// The index never loses a workspace and never follows what it should not trust.

#include "workspace/index_file.h"

#include "support/recording_surface.h"
#include "workspace_world.h"

#include <algorithm>
#include <filesystem>
#include <random>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class IndexSafety : public WorkspaceWorld {
  protected:
    static std::string Block(const std::string& name, const Lines& recordLines = {}) {
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
    WriteFile(indexPath(), Block("Stored"));
    AddRecord(AddReport("made before connecting"));
    ws.Dirty = true;
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(ReadFile(indexPath()), Block("Stored"));

    ws.TargetDir.clear();
    Load();
    EXPECT_FALSE(Create_iniFile(ws, services)) << "no target, no index";
    EXPECT_TRUE(files.written.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(IndexSafety, UnsavedChangesGoToTheirOwnIndexBeforeLoadingOrAreKept) {
    const std::string tarnIndex = IndexPath(root.str(), "TARN");
    fs::create_directories(TargetDirectory(root.str(), "TARN"));
    Load();
    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"}) << "no index: one fresh report";
    Rename(0, "Unsaved name");
    files.failWrite.insert(indexPath());
    Load();
    EXPECT_EQ(ListLines(), Lines{"Unsaved name_12052026-035651AM"}) << "not written: kept";
    EXPECT_TRUE(ws.Dirty);
    ExpectToldOnce(indexPath());

    files.failWrite.clear();
    ws.TargetDir = "TARN";
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_FALSE(fs::exists(tarnIndex)) << "the tables belong to VESK until TARN's is read";
    Rename(0, "Vesk report, renamed");
    Load();
    EXPECT_NE(ReadFile(indexPath()).find("Vesk report, renamed\r\n"), std::string::npos);
    EXPECT_EQ(ws.LoadedTargetDir, "TARN");
    EXPECT_EQ(ListLines(), Lines{"WORKSPACE_12052026-035651AM"});
    EXPECT_FALSE(ws.Dirty);

    // A failed save of the previous target is told and does not keep its tables.
    Rename(0, "Tarn report, never saved");
    files.failWrite.insert(tarnIndex);
    ws.TargetDir = "VESK";
    Load();
    EXPECT_EQ(ws.LoadedTargetDir, "VESK");
    EXPECT_EQ(ListLines(), Lines{"Vesk report, renamed"});
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages.back().find(tarnIndex), std::string::npos);
}

TEST_F(IndexSafety, RecordNamesOfAnotherFormAreRefusedAndNothingOutsideIsRead) {
    WriteFile(JoinPath(root.str(), "12052026-040001AM.txt"), "outside the target");
    WriteFile(
        indexPath(),
        Block("A",
              {" 1 ..\\..\\..\\..\\..\\..\\etc\\passwd", " 1 /tmp/../../../../../../secret.txt",
               " 1 C:\\PLX\\VESK\\..\\12052026-04.txt", " 1 C:\\PLX\\VESK\\12052026/040003AM.txt",
               " 1 12052026-040004AM.doc", " 2 C:\\PLX\\VESK\\12052026-040005AM.txt",
               " 1 C:\\PLX\\12052026-040001AM.txt", TextRecordLine("12052026-040002AM.txt")}));
    Load();

    ASSERT_EQ(ws.RecordCount[1], 1);
    EXPECT_EQ(ws.RecordPath[1][1], recordPath("12052026-040002AM.txt"));
    ExpectToldOnce("6 record line(s) not naming a record file");
    for (const std::string& path : files.read)
        EXPECT_TRUE(path == indexPath() || path.starts_with(targetDir() + PathSeparator)) << path;
}

#ifndef _WIN32 // symbolic links
TEST_F(IndexSafety, RecordFilesLinkedOutsideTheFolderAreLeftOut) {
    WriteFile(JoinPath(root.str(), "outside.txt"), "outside the target");
    fs::create_symlink("../outside.txt", recordPath("12052026-040006AM.txt"));
    fs::create_symlink("../missing.txt", recordPath("12052026-040007AM.txt"));
    fs::create_symlink("12052026-040002AM.txt", recordPath("12052026-040008AM.txt"));
    WriteFile(indexPath(), Block("A", {TextRecordLine("12052026-040002AM.txt"),
                                       " 1 C:\\PLX\\VESK\\12052026-040006AM.txt",
                                       " 1 C:\\PLX\\VESK\\12052026-040007AM.txt",
                                       " 1 C:\\PLX\\VESK\\12052026-040008AM.txt"}));
    Load();

    ASSERT_EQ(ws.RecordCount[1], 2) << "a link to a file of the folder is followed";
    EXPECT_EQ(ws.RecordPath[1][2], recordPath("12052026-040008AM.txt"));
    EXPECT_EQ(ws.RecordText[1][2], ws.RecordText[1][1]);
    ExpectToldOnce("- 1 record file(s) linked outside the folder");
    EXPECT_EQ(std::count(files.read.begin(), files.read.end(), recordPath("12052026-040006AM.txt")),
              0);
}
#endif

TEST_F(IndexSafety, ReportsBeyondFiftyAreRefusedAndLeaveNoRoomForAFreshOne) {
    std::string index;
    for (int i = 1; i < 50; ++i)
        index += Block("R" + std::to_string(i));
    // R50 lacks its "#": the refused R51 must not lend it its record.
    index += "-\r\nR50\r\n\r\n\r\n\r\n\r\n" + TextRecordLine(Stamp(1) + ".txt") + "\r\nlabel\r\n";
    WriteFile(indexPath(), index + Block("R51", {TextRecordLine(Stamp(2) + ".txt")}) +
                               Block("R52") + Block("R53"));
    Load();

    EXPECT_EQ(ws.ListCount, 50);
    EXPECT_EQ(ws.ReportName[50], "R50");
    EXPECT_EQ(ws.RecordCount[50], 1) << "a refused block's records stay out";
    // Told together once the tables are whole.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("3 report(s) beyond the limit of 50"), std::string::npos);
    EXPECT_TRUE(dialogs.messages[0].ends_with("\r\n\r\n Maximum Report Number is 50! "));
}

TEST_F(IndexSafety, RecordsBeyondFiftyTwiceListedOrUnreadableAreLeftOutAndToldOnce) {
    Lines lines{" 1 C:\\PLX\\VESK\\12052026-050000AM.txt"}; // missing: does not count
    for (int i = 1; i <= 51; ++i)
        lines.push_back(TextRecordLine(Stamp(i) + ".txt"));
    const std::string unreadable = recordPath("12052026-050001AM.txt");
    files.failRead.insert(unreadable);
    WriteFile(indexPath(),
              Block("A", lines) + Block("B", {lines[1], TextRecordLine("12052026-050001AM.txt")}));
    Load();
    ASSERT_TRUE(Create_iniFile(ws, services));

    EXPECT_EQ(ws.RecordCount[1], 50);
    EXPECT_EQ(ws.RecordPath[1][50], recordPath(Stamp(50) + ".txt"));
    EXPECT_EQ(ws.RecordCount[2], 0);
    EXPECT_EQ(ReadFile(unreadable), "text of 12052026-050001AM.txt\r\n") << "never overwritten";
    ExpectToldOnce("- 1 record(s) beyond the limit of 50 per report\r\n"
                   "- 1 record(s) listed more than once\r\n"
                   "- 1 record file(s) that could not be read");
}

TEST_F(IndexSafety, RecordLinesOutsideABlockAreIgnoredAndAMissingHashEndsNoRecords) {
    Lines line;
    for (int i = 1; i <= 5; ++i)
        line.push_back(TextRecordLine(Stamp(i) + ".txt") + "\r\nlabel " + std::to_string(i) +
                       "\r\n");
    WriteFile(indexPath(), line[0] + "-\r\nA\r\n\r\n\r\n\r\n\r\n" + line[1] + line[2] +
                               "-\r\nB\r\n\r\n\r\n\r\n\r\n" + line[3] + "#\r\n" + line[4]);
    Load();

    EXPECT_EQ(ws.RecordCount[1], 2);
    EXPECT_EQ(ws.RecordLabel[1][2], "label 3");
    EXPECT_EQ(ws.RecordCount[2], 1);
    EXPECT_EQ(ws.RecordType[0][1], KindFree) << "slot 0 is never filled";
    EXPECT_EQ(ws.ReportCount, 3) << "the last report holds a record: a fresh one follows";
}

TEST_F(IndexSafety, BinaryJunkAndHugeLinesDoNotBreakLoading) {
    std::mt19937 random(12345);
    std::string junk(1 << 20, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    WriteFile(indexPath(),
              junk + std::string(8 << 20, 'x') + "\r\n-\r\n" + std::string(1 << 20, '\0') + "\r\n");
    Load();

    EXPECT_GE(ws.ReportCount, 1);
    EXPECT_LE(ws.ReportCount, 50);
    EXPECT_LE(ws.ListCount, MaxListLines);
}

TEST_F(IndexSafety, AnIndexThatCannotBeReadIsNeitherLoadedNorReplaced) {
    for (const bool asDirectory : {false, true}) {
        SCOPED_TRACE(asDirectory ? "a directory" : "a file that fails to read");
        fs::remove_all(indexPath());
        dialogs.messages.clear();
        ResetWorkspace(ws);
        if (asDirectory) {
            files.failRead.clear();
            fs::create_directories(indexPath());
        } else {
            WriteFile(indexPath(), Block("Stored"));
            files.failRead.insert(indexPath());
        }
        const auto before = fs::last_write_time(indexPath());

        EXPECT_FALSE(Loading_Workspace(ws, win, services));
        ExpectToldOnce("could not be read");
        EXPECT_FALSE(ws.Loaded);
        EXPECT_EQ(ws.ReportCount, 0) << "no fresh report in tables that cannot be saved";
        EXPECT_FALSE(Create_iniFile(ws, services));
        EXPECT_EQ(fs::last_write_time(indexPath()), before);
        EXPECT_EQ(dialogs.messages.size(), 1u) << "said once";
    }
    files.failRead.clear();
    fs::remove_all(indexPath());
    WriteFile(indexPath(), Block("Stored"));
    EXPECT_TRUE(Loading_Workspace(ws, win, services)) << "readable again: loaded";
    EXPECT_EQ(ListLines(), Lines{"Stored"});
}

TEST_F(IndexSafety, AnIndexAnotherCopyHoldsIsLeftToItAndTheLoadedOneStaysLocked) {
    FakeLocks locks;
    services.locks = &locks;
    const std::string tarnIndex = IndexPath(root.str(), "TARN");
    fs::create_directories(TargetDirectory(root.str(), "TARN"));
    WriteFile(indexPath(), Block("Stored"));
    locks.heldElsewhere.insert(indexPath());

    EXPECT_FALSE(Loading_Workspace(ws, win, services));
    ExpectToldOnce("in use by another running copy");
    EXPECT_FALSE(ws.Loaded);
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_TRUE(locks.held.empty());

    locks.heldElsewhere.clear();
    ASSERT_TRUE(Loading_Workspace(ws, win, services));
    EXPECT_EQ(locks.held, std::set<std::string>{indexPath()});
    ws.TargetDir = "TARN";
    locks.heldElsewhere.insert(tarnIndex);
    EXPECT_FALSE(Loading_Workspace(ws, win, services));
    EXPECT_EQ(locks.held, std::set<std::string>{indexPath()}) << "the tables are still VESK's";
    EXPECT_EQ(ListLines(), Lines{"Stored"});
    locks.heldElsewhere.clear();
    ASSERT_TRUE(Loading_Workspace(ws, win, services));
    EXPECT_EQ(locks.held, std::set<std::string>{tarnIndex}) << "VESK's is let go";
}

TEST_F(IndexSafety, OnlyChangedOrMissingRecordFilesAreRewrittenAndAFailedOneIsTold) {
    const int a = AddReport("A");
    for (int i = 0; i < 3; ++i)
        AddRecord(a, KindRecord, "screen " + std::to_string(i));
    ws.Loaded = true;
    ASSERT_TRUE(Create_iniFile(ws, services));
    files.written.clear();
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, Lines{indexPath()});

    ws.RecordText[a][1] = "screen 0, edited";
    ws.RecordText[a][2] = "screen 1, edited";
    fs::remove(ws.RecordPath[a][3]);
    files.failWrite.insert(ws.RecordPath[a][1]);
    files.written.clear();
    ws.Dirty = true;
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, (Lines{ws.RecordPath[a][2], ws.RecordPath[a][3], indexPath()}));
    EXPECT_EQ(ReadFile(ws.RecordPath[a][2]), "screen 1, edited\r\n");
    EXPECT_EQ(ReadFile(ws.RecordPath[a][3]), "screen 2\r\n");
    EXPECT_TRUE(ws.Dirty);
    ExpectToldOnce(ws.RecordPath[a][1]);

    // The same failure at every later save (a pause in typing, a capture) is not told again;
    // once the disk works, a new failure is.
    EXPECT_FALSE(Create_iniFile(ws, services));
    ExpectToldOnce(ws.RecordPath[a][1]);
    files.failWrite.clear();
    ASSERT_TRUE(Create_iniFile(ws, services));
    files.failWrite.insert(indexPath());
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(IndexSafety, LoadingDropsEverythingOfThePreviousWorkspaceAndEmptiesTheView) {
    AddReport("Old A");
    AddRecord(AddReport("Old B"));
    Select(1);
    ws.RecordInEditor = true;
    win.HeaderBox = {"old", "old", "old", "old"};
    win.Text1.Set("old record");
    WriteFile(indexPath(), Block("Stored")); // empty last report: no fresh one hides a leak
    RecordingSurface imgScreen;
    Loading_Workspace(ws, win, services, &imgScreen);

    EXPECT_EQ(ListLines(), Lines{"Stored"});
    EXPECT_EQ(ws.ReportName[2], "");
    EXPECT_EQ(ws.RecordType[2][1], KindFree);
    EXPECT_EQ(ws.RecordText[2][1], "");
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(win.ListIndex, -1);
    EXPECT_EQ(win.HeaderBox, Boxes{});
    EXPECT_EQ(win.Text1.text, "");
    EXPECT_EQ(imgScreen.clears, 0) << "the hidden picture is left alone";

    win.Text1.visible = false;
    win.imgScreenVisible = true;
    Loading_Workspace(ws, win, services, &imgScreen);
    EXPECT_EQ(imgScreen.clears, 1);
    EXPECT_EQ(imgScreen.removals, 1);
}

} // namespace
} // namespace orvane::testing
