// Loading a workspace from disk, with the index holding arbitrary bytes.
//
// The index lies in a target directory of a scratch data root beside record files that its
// entries name (some missing, some directories, some links to files outside, text files of
// arbitrary bytes), and every file access must stay inside that directory. After loading, the
// tables hold only records whose files exist inside the directory, each once, none reached
// through a link that leaves it; text records hold their file's text. Saved and loaded again,
// the workspace comes back the same and every text record's file keeps its bytes.

#include "harness/confined_file_system.h"
#include "harness/digest.h"
#include "harness/fresh.h"
#include "harness/require.h"
#include "harness/workspace_checks.h"
#include "harness/workspace_snapshot.h"
#include "support/fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/index_file.h"
#include "workspace/index_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

using namespace orvane;
namespace fs = std::filesystem;

constexpr std::string_view Target = "VESK";
// A file beside the target directory, which links among the record files point to.
constexpr std::string_view OutsideName = "outside.txt";

// Points the temporary folder at a memory file system when there is one and no other place
// was asked for: the atomic writes flush every file, which on a disk costs more than all the
// rest of a run.
bool PreferMemoryFileSystem() {
    if (std::getenv("TMPDIR") == nullptr && fs::is_directory("/dev/shm"))
        setenv("TMPDIR", "/dev/shm", 0);
    return true;
}

// The data root lives as long as the fuzzer; its target directory is made afresh per input.
const testing::TempDir& DataRoot() {
    [[maybe_unused]] static const bool placed = PreferMemoryFileSystem();
    static const testing::TempDir root;
    return root;
}

// The record files the index names: by a hash of the name, missing, a directory, a link to a
// file outside the directory, or a file holding a slice of the input (with or without the
// CR LF the writer ends a file with).
std::map<std::string, std::string> MakeRecordFiles(std::string_view bytes,
                                                   const std::string& directory) {
    std::map<std::string, std::string> made;
    for (const IndexReportEntry& report : ParseIndex(bytes).reports) {
        for (const IndexRecordEntry& record : report.records) {
            const std::string path = JoinPath(directory, record.fileName);
            const std::uint64_t hash = fuzzing::HashOf(record.fileName);
            if (hash % 8 == 0 || made.contains(path) || fs::exists(path))
                continue;
            if (hash % 8 == 1) {
                fs::create_directory(path);
                continue;
            }
            if (hash % 8 == 2) {
                fs::create_symlink(fs::path("..") / OutsideName, path);
                continue;
            }
            std::string content(bytes.substr(static_cast<std::size_t>(hash >> 8) % bytes.size(),
                                             (hash >> 40) % 64));
            if (hash % 8 < 5)
                content += "\r\n";
            testing::WriteFile(path, content);
            made[path] = content;
        }
    }
    return made;
}

struct Session {
    explicit Session(FileSystem& files) : services{files, clock, dialogs, DataRoot().str()} {
        ResetWorkspace(ws);
        ws.TypeOfTarget = TargetVesk;
        ws.TargetDir = std::string(Target);
        ws.VeskMode = true;
    }
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services;
    Workspace ws;
    WindowState win;
};

// The path names an entry of the directory itself, and what it leads to stays there.
bool StaysInside(const std::string& path, const std::string& directory) {
    const fs::path home = fs::canonical(directory);
    fs::path where(path);
    if (where.parent_path() != fs::path(directory) || where.filename() == "." ||
        where.filename() == "..")
        return false;
    for (int links = 0; fs::is_symlink(where) && links < 40; ++links)
        where = where.parent_path() / fs::read_symlink(where);
    return fs::weakly_canonical(where).parent_path() == home;
}

void CheckLoaded(const Workspace& ws, const std::map<std::string, std::string>& files,
                 const std::string& directory) {
    ORVANE_REQUIRE(ws.ReportCount >= 1);
    ORVANE_REQUIRE(ws.ListCount == ws.ReportCount);
    std::set<std::string> paths;
    for (int r = 1; r <= ws.ReportCount; ++r) {
        ORVANE_REQUIRE(ws.ReportState[r] == ReportClosed);
        for (int n = 1; n <= MaxRecords; ++n) {
            const std::int16_t kind = ws.RecordType[r][n];
            if (n > ws.RecordCount[r]) {
                ORVANE_REQUIRE(kind == KindFree);
                continue;
            }
            ORVANE_REQUIRE(kind == KindRecord || kind == KindGraph);
            const std::string& path = ws.RecordPath[r][n];
            ORVANE_REQUIRE(paths.insert(path).second);
            ORVANE_REQUIRE(StaysInside(path, directory));
            const auto file = files.find(path);
            ORVANE_REQUIRE(file != files.end());
            if (kind == KindRecord)
                ORVANE_REQUIRE(ws.RecordText[r][n] == RecordTextOf(file->second));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string directory = TargetDirectory(DataRoot().str(), Target);
    fs::remove_all(directory);
    fs::create_directory(directory);
    testing::WriteFile(IndexPath(DataRoot().str(), Target), bytes);
    testing::WriteFile(fs::path(DataRoot().str()) / OutsideName, "not a record of VESK\r\n");
    const std::map<std::string, std::string> recordFiles = MakeRecordFiles(bytes, directory);

    DiskFileSystem disk;
    fuzzing::ConfinedFileSystem files(disk, directory);

    const fuzzing::Fresh<Session, 0> first(files);
    Loading_Workspace(first->ws, first->win, first->services);
    fuzzing::CheckWorkspace(first->ws, first->win);
    CheckLoaded(first->ws, recordFiles, directory);

    // Every text record's file is written again, not only the changed ones.
    first->ws.RecordFileText.clear();
    ORVANE_REQUIRE(Create_iniFile(first->ws, first->services));
    for (const auto& [path, original] : recordFiles) {
        const std::string written = testing::ReadFile(path);
        ORVANE_REQUIRE(RecordTextOf(written) == RecordTextOf(original));
        if (original.ends_with("\r\n"))
            ORVANE_REQUIRE(written == original);
    }

    const fuzzing::Fresh<Session, 1> second(files);
    Loading_Workspace(second->ws, second->win, second->services);
    fuzzing::RequireSame("tables saved and loaded again", fuzzing::SnapshotTables(first->ws),
                         fuzzing::SnapshotTables(second->ws));
    return 0;
}
