#pragma once
// A workspace on a temporary data root with the real disk, a still clock and answering
// dialogs, plus builders for reports and records as a capture would leave them.

#include "support/fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/index_file.h"
#include "workspace/list_mirror.h"
#include "workspace/report_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace orvane::testing {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Fields = std::array<std::string, HeaderFields + 1>;

// The disk, with chosen paths failing to read or write and a log of the reads and writes.
class ScriptedFileSystem final : public FileSystem {
  public:
    std::set<std::string> failRead, failWrite;
    Lines read, written;

    using Path = const std::string&;
    bool Exists(Path p) override { return disk_.Exists(p); }
    bool IsDirectory(Path p) override { return disk_.IsDirectory(p); }
    bool MakeDirectory(Path p) override { return disk_.MakeDirectory(p); }
    bool Remove(Path p) override { return disk_.Remove(p); }
    std::optional<std::string> Read(Path p) override {
        return read.push_back(p), failRead.contains(p) ? std::nullopt : disk_.Read(p);
    }
    bool Write(Path p, std::string_view b) override {
        return !failWrite.contains(p) && (written.push_back(p), disk_.Write(p, b));
    }
    bool Append(Path p, std::string_view b) override { return disk_.Append(p, b); }
    bool Copy(Path from, Path to) override { return disk_.Copy(from, to); }
    bool SetReadOnly(Path p, bool on) override { return disk_.SetReadOnly(p, on); }
    bool IsInside(Path p, Path folder) override { return disk_.IsInside(p, folder); }

  private:
    DiskFileSystem disk_;
};

// 17-character stamps 12052026-04MMSSAM, distinct for every n below 3600.
inline std::string Stamp(int n) {
    char text[32];
    std::snprintf(text, sizeof text, "12052026-04%02d%02dAM", (n / 60) % 60, n % 60);
    return text;
}

// Index text in short: '|' ends a line, '%' starts a text record line as the older program
// wrote it.
inline std::string IndexText(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += c == '|' ? "\r\n" : c == '%' ? " 1 C:\\PLX\\VESK\\" : std::string(1, c);
    return out;
}

class WorkspaceWorld : public ::testing::Test {
  protected:
    WorkspaceWorld() {
        ResetWorkspace(ws);
        ws.TargetDir = "VESK";
        fs::create_directories(targetDir());
        fs::create_directories(TargetDirectory(services.dataRoot, "TARN"));
    }

    std::string targetDir() const { return TargetDirectory(services.dataRoot, "VESK"); }
    std::string indexPath() const { return IndexPath(services.dataRoot, "VESK"); }
    std::string tarnIndex() const { return IndexPath(services.dataRoot, "TARN"); }
    std::string recordPath(const std::string& name) const { return JoinPath(targetDir(), name); }
    bool Load() { return Loading_Workspace(ws, win, services); }

    // A closed report at the end of the list, as loading leaves it, with `records` records.
    int AddReport(const std::string& name, int records = 0) {
        const auto report = static_cast<std::int16_t>(++ws.ReportCount);
        ws.ReportName[report] = name;
        ws.ReportState[report] = ReportClosed;
        AppendListLine(ws, win, name, report, 0);
        while (records-- > 0)
            AddRecord(report);
        return report;
    }
    // A RECORD (text) or GRAPH record named by the next stamp; its file exists.
    int AddRecord(int report, std::int16_t kind = KindRecord, std::string text = "screen\r\n") {
        const int n = ++ws.RecordCount[report];
        const std::string name = Stamp(++stampSeconds_);
        const bool graph = kind == KindGraph;
        ws.RecordType[report][n] = kind;
        ws.RecordPath[report][n] = recordPath(name + (graph ? ".doc" : ".txt"));
        ws.RecordLabel[report][n] = (graph ? "   GRAPH:    " : "   RECORD:  ") + name;
        ws.RecordText[report][n] = graph ? "" : text;
        WriteFile(ws.RecordPath[report][n], graph ? "picture" : text + "\r\n");
        return n;
    }

    // The user's clicks: select a line, then open, delete or rename what it shows.
    void Select(int line) {
        ws.ListSelection = static_cast<std::int16_t>(win.ListIndex = line);
        ws.CurrentReport = ws.ListReport[line];
    }
    bool Open(int line) { return Select(line), Popup_Report(ws, win, services); }
    void Delete(int line) { Select(line), mnuRecordDelete_Click(ws, win, services); }
    void Rename(int n, std::string_view s) { Select(n), Form5_cmdOK_Click(ws, win, services, s); }

    Lines ListLines() const { return {ws.ListText.begin(), ws.ListText.begin() + ws.ListCount}; }
    // The mirror's report/record numbers of the live lines: "1/0 2/0 2/1 ".
    std::string Mirror() const {
        std::string out;
        for (int l = 0; l < ws.ListCount; ++l)
            out += std::to_string(ws.ListReport[l]) + "/" + std::to_string(ws.ListRecord[l]) + " ";
        return out;
    }
    // The report tables in short: "A(Acme,,,): 040001AM.txt | B:", fields shown where one is
    // set, records by file name without the date.
    std::string Tables() const {
        std::string out;
        for (int r = 1; r <= ws.ReportCount; ++r) {
            const Fields& f = ws.ReportField[r];
            out += (r > 1 ? " | " : "") + ws.ReportName[r] +
                   (f == Fields{} ? ":" : "(" + f[1] + "," + f[2] + "," + f[3] + "," + f[4] + "):");
            for (int n = 1; n <= ws.RecordCount[r]; ++n)
                out += " " + fs::path(ws.RecordPath[r][n]).filename().string().substr(9);
        }
        return out;
    }
    // One message holding `part`; none where it is empty.
    void ExpectToldOnce(const std::string& part) const {
        EXPECT_TRUE(part.empty() ? dialogs.messages.empty()
                                 : dialogs.messages.size() == 1 &&
                                       dialogs.messages[0].find(part) != std::string::npos)
            << part << " in " << ::testing::PrintToString(dialogs.messages);
    }

    TempDir root;
    ScriptedFileSystem files;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeLocks locks;
    Services services{files, clock, dialogs, root.str(), &locks};
    Workspace ws;
    WindowState win;

  private:
    int stampSeconds_ = 0;
};

} // namespace orvane::testing
