#pragma once
// A workspace on a temporary data root with the real disk, a still clock and answering
// dialogs, plus builders for reports and records as a capture would leave them.

#include "support/fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/list_mirror.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

using Lines = std::vector<std::string>;
using Numbers = std::vector<int>;
using Boxes = std::array<std::string, 4>;
using Fields = std::array<std::string, HeaderFields + 1>;

// The disk, with chosen paths failing to read or write and a log of the writes made.
class ScriptedFileSystem final : public FileSystem {
  public:
    std::set<std::string> failRead;
    std::set<std::string> failWrite;
    std::vector<std::string> read;
    std::vector<std::string> written;
    std::vector<std::string> removed;

    bool Exists(const std::string& path) override { return disk_.Exists(path); }
    bool IsDirectory(const std::string& path) override { return disk_.IsDirectory(path); }
    bool MakeDirectory(const std::string& path) override { return disk_.MakeDirectory(path); }
    bool Remove(const std::string& path) override {
        removed.push_back(path);
        return disk_.Remove(path);
    }
    std::optional<std::string> Read(const std::string& path) override {
        read.push_back(path);
        if (failRead.contains(path))
            return std::nullopt;
        return disk_.Read(path);
    }
    bool Write(const std::string& path, std::string_view bytes) override {
        if (failWrite.contains(path))
            return false;
        written.push_back(path);
        return disk_.Write(path, bytes);
    }
    bool Append(const std::string& path, std::string_view bytes) override {
        return disk_.Append(path, bytes);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        return disk_.Copy(from, to);
    }
    bool SetReadOnly(const std::string& path, bool readOnly) override {
        return disk_.SetReadOnly(path, readOnly);
    }

  private:
    DiskFileSystem disk_;
};

class WorkspaceWorld : public ::testing::Test {
  protected:
    WorkspaceWorld() {
        ResetWorkspace(ws);
        ws.TargetDir = "VESK";
        std::filesystem::create_directories(targetDir());
    }

    std::string targetDir() const { return TargetDirectory(root.str(), "VESK"); }
    std::string indexPath() const { return IndexPath(root.str(), "VESK"); }
    std::string recordPath(const std::string& name) const { return JoinPath(targetDir(), name); }

    // A closed report at the end of the list, as loading leaves it.
    int AddReport(const std::string& name) {
        const auto report = static_cast<std::int16_t>(ws.ReportCount + 1);
        ws.ReportCount = report;
        ws.ReportName[report] = name;
        ws.ReportState[report] = ReportClosed;
        ws.RecordCount[report] = 0;
        AppendListLine(ws, win, name, report, 0);
        return report;
    }

    // A RECORD (text) or GRAPH record named by a stamp made of `second`; its file exists.
    int AddRecord(int report, std::int16_t kind = KindRecord, std::string text = "screen\r\n") {
        const int record = ws.RecordCount[report] + 1;
        const std::string name = Stamp(++stampSeconds_);
        const bool graph = kind == KindGraph;
        ws.RecordCount[report] = static_cast<std::int16_t>(record);
        ws.RecordType[report][record] = kind;
        ws.RecordPath[report][record] = recordPath(name + (graph ? ".doc" : ".txt"));
        ws.RecordLabel[report][record] = (graph ? "   GRAPH:    " : "   RECORD:  ") + name;
        ws.RecordText[report][record] = graph ? "" : text;
        WriteFile(ws.RecordPath[report][record], graph ? "picture" : text + "\r\n");
        return record;
    }

    // 17-character stamps 12052026-04MMSSAM, distinct for every n below 3600.
    static std::string Stamp(int n) {
        char text[32];
        std::snprintf(text, sizeof text, "12052026-04%02d%02dAM", (n / 60) % 60, n % 60);
        return text;
    }

    // Selects a line as a click does.
    void Select(int line) {
        win.ListIndex = line;
        ws.ListSelection = static_cast<std::int16_t>(line);
        ws.CurrentReport = ws.ListReport[line];
    }

    std::vector<std::string> ListLines() const {
        return {ws.ListText.begin(), ws.ListText.begin() + ws.ListCount};
    }
    std::vector<int> ListReports() const {
        return {ws.ListReport.begin(), ws.ListReport.begin() + ws.ListCount};
    }
    std::vector<int> ListRecords() const {
        return {ws.ListRecord.begin(), ws.ListRecord.begin() + ws.ListCount};
    }

    TempDir root;
    ScriptedFileSystem files;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{files, clock, dialogs, root.str()};
    Workspace ws;
    WindowState win;

  private:
    int stampSeconds_ = 0;
};

} // namespace orvane::testing
