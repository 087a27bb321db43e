// The index never loses a workspace and never follows what it should not trust.

#include "workspace_world.h"

#include <map>
#include <optional>
#include <random>

namespace orvane::testing {
namespace {

struct HostileIndex {
    std::string index;
    std::optional<std::string> tables; // what is loaded; unset: anything within the limits
    std::string told;                  // part of the one message; empty: nothing is told
    Lines links = {};                  // name, target, ...: symbolic links in the target folder
};

// The folder holds 12052026-040002AM to -040053AM (which fails to read) as .txt and .doc, three
// names of the older program's time formats, links as a row says; none of 040001, 035700 or 050000.
std::vector<HostileIndex> HostileIndexes() {
    std::string reports49, tablesOf49, recordsOfA, fiftyOfA = "A:";
    for (int i = 1; i <= 51; ++i) {
        reports49 += i < 50 ? "-|R" + std::to_string(i) + "|||||#|" : "";
        tablesOf49 += i < 50 ? "R" + std::to_string(i) + ": | " : "";
        recordsOfA += "%" + Stamp(i + 1) + ".txt|l|";
        fiftyOfA += i <= 50 ? " " + Stamp(i + 1).substr(9) + ".txt" : "";
    }
    std::mt19937 random(12345);
    std::string junk(1 << 20, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    return {
        // Time suffixes of several regional settings, a missing file, stray kinds and lines,
        // names that leave the folder, a record listed twice, lines outside a block, no "#".
        {IndexText(
             "%12052026-040006AM.txt|l|-|A|Acme|Kim|4711||%12052026-035651AM.txt|l|"
             "%12052026-035700AM.txt|l| 2 C:\\PLX\\VESK\\12052026-040012AM.doc|l|"
             "%12052026-030405m..txt|l| 2 C:\\PLX\\VESK\\12052026-080910 s.doc|l|"
             " 3 C:\\PLX\\VESK\\12052026-040013AM.txt|l|1 C:\\PLX\\VESK\\12052026-040014AM.txt|"
             "  1 C:\\PLX\\VESK\\12052026-040015AM.txt|x1 C:\\PLX\\VESK\\12052026-040016AM.txt|"
             "a stray line||#|-|B|||||%12052026-030405m..txt|l| 1 ..\\..\\..\\..\\etc\\passwd|l|"
             " 1 /tmp/../../../../../secret.txt|l|%..\\12052026-04.txt|l|%12052026/040003AM.txt|l|"
             " 1 12052026-040004AM.doc|l| 2 C:\\PLX\\VESK\\12052026-040005AM.txt|l|"
             " 1 C:\\PLX\\12052026-040001AM.txt|l|-|C|||||%12052026-040002AM.txt|l|#|"
             "%12052026-040006AM.txt|l|-|D|||||%12052026-040007AM.txt"),
         "A(Acme,Kim,4711,): 035651AM.txt 040012AM.doc 030405m..txt 080910 s.doc | B: | C: "
         "040002AM.txt | D: 040007AM.txt | WORKSPACE_12052026-035651AM:",
         "- 6 record line(s) not naming a record file\r\n- 1 record(s) listed more than once"},
        {IndexText("-|A|||||%12052026-040002AM.txt|l|%12052026-050006AM.txt|l|"
                   "%12052026-050007AM.txt|l|%12052026-050008AM.txt|l|#|"),
         "A: 040002AM.txt 050008AM.txt | WORKSPACE_12052026-035651AM:",
         "- 1 record file(s) linked outside the folder",
         {"12052026-050006AM.txt", "../outside.txt", "12052026-050007AM.txt", "../missing.txt",
          "12052026-050008AM.txt", "12052026-040002AM.txt"}},
        // R50 lacks its "#": the refused R51 must not lend it its record.
        {IndexText(reports49 + "-|R50|||||%12052026-040002AM.txt|l|-|R51|||||"
                               "%12052026-040003AM.txt|l|#|-|R52|||||#|-|R53|||||#|"),
         tablesOf49 + "R50: 040002AM.txt",
         "- 3 report(s) beyond the limit of 50\r\nThey are dropped from the index when the "
         "workspace is next saved.\r\n\r\n Maximum Report Number is 50! "},
        {IndexText("-|A|||||%12052026-050000AM.txt|l|" + recordsOfA +
                   "#|-|B|||||%12052026-040002AM.txt|l|%12052026-040053AM.txt|l|#|"),
         fiftyOfA + " | B:",
         "- 1 record(s) beyond the limit of 50 per report\r\n- 1 record(s) listed more than "
         "once\r\n- 1 record file(s) that could not be read"},
        {"-\rA\nf1\r\nf2\r\rf4\n 1 x\\12052026-040002AM.txt\rlabel\n#\n-\r\nB\r\nAcme\r\n",
         "A(f1,f2,,f4): 040002AM.txt | B(Acme,,,):", ""},
        {junk + std::string(8 << 20, 'x') + "\r\n-\r\n" + std::string(1 << 20, '\0') + "\r\n",
         std::nullopt, ""},
    };
}

class HostileIndexLoad : public WorkspaceWorld,
                         public ::testing::WithParamInterface<HostileIndex> {};

// Whatever the index says: only entries naming files of the target folder are loaded, nothing
// outside it is read, saving what was loaded changes no file but the index, and it loads again
// the same.
TEST_P(HostileIndexLoad, LoadsOnlyWhatTheFolderHoldsAndSavesItUnchanged) {
    const HostileIndex& row = GetParam();
#ifdef _WIN32
    if (!row.links.empty())
        GTEST_SKIP() << "symbolic links";
#else
    for (std::size_t i = 0; i + 1 < row.links.size(); i += 2)
        fs::create_symlink(row.links[i + 1], recordPath(row.links[i]));
#endif
    Lines names{"12052026-035651AM.txt", "12052026-030405m..txt", "12052026-080910 s.doc"};
    for (int i = 2; i <= 53; ++i)
        names.insert(names.end(), {Stamp(i) + ".txt", Stamp(i) + ".doc"});
    for (const std::string& name : names)
        WriteFile(recordPath(name), "text of " + name + "\r\n");
    for (const char* name : {"outside.txt", "12052026-040001AM.txt"})
        WriteFile(root.path() / name, "outside the target");
    files.failRead.insert(recordPath(Stamp(53) + ".txt"));
    std::map<std::string, std::string> before;
    for (const auto& entry : fs::recursive_directory_iterator(root.path()))
        if (!entry.is_directory())
            before[entry.path().string()] = ReadFile(entry.path());
    WriteFile(indexPath(), row.index);

    Load();
    const std::string loaded = Tables();
    if (row.tables) {
        EXPECT_EQ(loaded, *row.tables);
        ExpectToldOnce(row.told);
    }
    EXPECT_TRUE(ws.ReportCount >= 1 && ws.ReportCount <= MaxReports &&
                ws.ListCount <= MaxListLines && ws.RecordType[0][1] == KindFree)
        << "within the limits; slot 0 is never filled";
    for (const std::string& path : files.read)
        EXPECT_TRUE(path == indexPath() || path.starts_with(targetDir() + PathSeparator)) << path;

    ASSERT_TRUE(Create_iniFile(ws, services));
    for (const auto& [path, bytes] : before)
        EXPECT_EQ(ReadFile(path), bytes) << path;
    // Reloaded over tables that hold more: nothing of them is left.
    ws.RecordText[MaxReports][MaxRecords] = "left over";
    ws.RecordInEditor = true;
    Load();
    EXPECT_EQ(std::tuple(Tables(), ws.RecordText[MaxReports][MaxRecords], ws.RecordInEditor),
              std::tuple(loaded, "", false));
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileIndexLoad, ::testing::ValuesIn(HostileIndexes()));

using IndexSafety = WorkspaceWorld;

// Tables made before a target was chosen have no index to go to.
TEST_F(IndexSafety, AWorkspaceWithoutATargetIsNeverWritten) {
    ws.TargetDir.clear();
    Load();
    EXPECT_FALSE(Create_iniFile(ws, services));
    EXPECT_EQ(files.written, Lines{});
}

TEST_F(IndexSafety, UnsavedChangesGoToTheirOwnIndexBeforeLoadingOrAreKept) {
    Load();
    Rename(0, "Unsaved name");
    files.failWrite.insert(indexPath());
    Load();
    EXPECT_EQ(std::tuple(ListLines(), ws.Dirty),
              std::tuple(Lines{"Unsaved name_12052026-035651AM"}, true))
        << "not written: kept";
    ExpectToldOnce(indexPath());

    files.failWrite.clear();
    ws.TargetDir = "TARN";
    ASSERT_TRUE(Create_iniFile(ws, services));
    EXPECT_FALSE(fs::exists(tarnIndex())) << "the tables belong to VESK until TARN's is read";
    Rename(0, "Vesk report, renamed");
    locks.heldElsewhere = {tarnIndex()};
    EXPECT_FALSE(Load());
    EXPECT_EQ(std::tuple(locks.held, ListLines()),
              std::tuple(std::set<std::string>{indexPath()}, Lines{"Vesk report, renamed"}))
        << "TARN's is held by another copy: the tables and the lock stay VESK's";
    locks.heldElsewhere.clear();
    Load();
    EXPECT_EQ(
        std::tuple(ReadFile(indexPath()).find("Vesk report, renamed\r\n") != std::string::npos,
                   ws.LoadedTargetDir, ListLines(), ws.Dirty, locks.held),
        std::tuple(true, "TARN", Lines{"WORKSPACE_12052026-035651AM"}, false,
                   std::set<std::string>{tarnIndex()}));

    // A failed save of the previous target is told and does not keep its tables.
    Rename(0, "Tarn report, never saved");
    files.failWrite.insert(tarnIndex());
    ws.TargetDir = "VESK";
    Load();
    EXPECT_EQ(std::tuple(ListLines(), dialogs.messages.size()),
              std::tuple(Lines{"Vesk report, renamed"}, 3u));
    EXPECT_NE(dialogs.messages.back().find(tarnIndex()), std::string::npos);
}

// Such an index may hold every report of the family: the tables and locks stay as they were.
TEST_F(IndexSafety, AnIndexUnreadableOrHeldByAnotherCopyIsNeitherLoadedNorReplaced) {
    enum Obstacle { FailsToRead, IsADirectory, HeldElsewhere };
    for (const Obstacle obstacle : {FailsToRead, IsADirectory, HeldElsewhere}) {
        SCOPED_TRACE(obstacle);
        fs::remove_all(indexPath());
        dialogs.messages.clear();
        obstacle == IsADirectory ? (void)fs::create_directories(indexPath())
                                 : WriteFile(indexPath(), IndexText("-|Stored|||||#|"));
        (obstacle == HeldElsewhere ? locks.heldElsewhere : files.failRead).insert(indexPath());
        const auto before = fs::last_write_time(indexPath());
        EXPECT_FALSE(Load());
        ExpectToldOnce(obstacle == HeldElsewhere ? "in use by another running copy"
                                                 : "could not be read");
        EXPECT_EQ(std::tuple(ws.Loaded, ws.ReportCount, locks.held.empty()),
                  std::tuple(false, 0, true))
            << "no fresh report in tables that cannot be saved";
        EXPECT_FALSE(Create_iniFile(ws, services));
        EXPECT_EQ(std::tuple(fs::last_write_time(indexPath()), dialogs.messages.size()),
                  std::tuple(before, 1u))
            << "unchanged, said once";
        files.failRead.clear();
    }
}

} // namespace
} // namespace orvane::testing
