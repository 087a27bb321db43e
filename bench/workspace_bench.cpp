// Writing and reading the workspace index at capacity: 50 reports of 50 text records of about
// 2 KB each, on the real disk under the system's temporary folder.

#include "output/stamps.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/index_file.h"
#include "workspace/list_mirror.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>

namespace orvane {
namespace {

class SilentDialogs final : public Dialogs {
  public:
    void Message(std::string_view) override {}
    bool Confirm(std::string_view) override { return true; }
};

std::string ScreenText(int seed) {
    std::string text = "   RECORD:12052026-035651AM\r\n";
    while (text.size() < 2000)
        text += "CH " + std::to_string(seed % 97) + "  LEVEL -" + std::to_string(seed % 40) +
                ".5 dBm  FREQ 1" + std::to_string(seed) + " kHz\r\n";
    return text;
}

std::string StampName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "12%02d2026-%02d%02d%02dAM.txt", 1 + n / 1440, (n / 60) % 24,
                  n % 60, n % 60);
    return name;
}

class FullWorkspace {
  public:
    FullWorkspace() {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("orvane-bench-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(root_ / "VESK");
        services.dataRoot = root_.string();
        ResetWorkspace(ws);
        ws.TargetDir = "VESK";
        ws.Loaded = true;
        const std::string dir = TargetDirectory(services.dataRoot, "VESK");
        for (int r = 1; r <= MaxReports; ++r) {
            ws.ReportCount = static_cast<std::int16_t>(r);
            ws.ReportState[r] = ReportClosed;
            ws.ReportName[r] = "WORKSPACE_12052026-0356" + std::to_string(r) + "AM";
            ws.ReportField[r] = {"", "Acme Telecom", "J. Smith", "4711", "bench"};
            AppendListLine(ws, win, ws.ReportName[r], static_cast<std::int16_t>(r), 0);
            for (int n = 1; n <= MaxRecords; ++n) {
                const int serial = (r - 1) * MaxRecords + n;
                ws.RecordCount[r] = static_cast<std::int16_t>(n);
                ws.RecordType[r][n] = KindRecord;
                ws.RecordPath[r][n] = JoinPath(dir, StampName(serial));
                ws.RecordLabel[r][n] = "   RECORD:  " + StampName(serial).substr(0, 17);
                ws.RecordText[r][n] = ScreenText(serial);
            }
        }
        Create_iniFile(ws, services);
    }
    ~FullWorkspace() {
        std::error_code ignored;
        std::filesystem::permissions(root_ / "VESK" / "VESK.ini",
                                     std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    FullWorkspace(const FullWorkspace&) = delete;
    FullWorkspace& operator=(const FullWorkspace&) = delete;

    std::filesystem::path root_;
    DiskFileSystem disk;
    SystemClock clock;
    SilentDialogs dialogs;
    Services services{disk, clock, dialogs, ""};
    Workspace ws;
    WindowState win;
};

// A save after a capture or a command: one record's text changed, the rest is on disk.
void BM_CreateIniFile_OneRecordChanged(benchmark::State& state) {
    FullWorkspace full;
    int edit = 0;
    for (auto _ : state) {
        full.ws.RecordText[25][25] = ScreenText(++edit);
        if (!Create_iniFile(full.ws, full.services))
            state.SkipWithError("Create_iniFile failed");
    }
}
BENCHMARK(BM_CreateIniFile_OneRecordChanged)->Unit(benchmark::kMillisecond);

// The first save of a workspace whose files are all new: every record file is written.
void BM_CreateIniFile_AllRecordsWritten(benchmark::State& state) {
    FullWorkspace full;
    for (auto _ : state) {
        full.ws.RecordFileText.clear();
        if (!Create_iniFile(full.ws, full.services))
            state.SkipWithError("Create_iniFile failed");
    }
}
BENCHMARK(BM_CreateIniFile_AllRecordsWritten)->Unit(benchmark::kMillisecond);

void BM_LoadingWorkspace(benchmark::State& state) {
    FullWorkspace full;
    for (auto _ : state) {
        Loading_Workspace(full.ws, full.win, full.services);
        if (full.ws.ReportCount != MaxReports || full.ws.RecordCount[MaxReports] != MaxRecords)
            state.SkipWithError("the workspace did not load whole");
    }
}
BENCHMARK(BM_LoadingWorkspace)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane
