#include "workspace/index_file.h"

#include "workspace/collected_messages.h"
#include "workspace/data_paths.h"
#include "workspace/index_format.h"
#include "workspace/list_mirror.h"
#include "workspace/report_commands.h"

#include <unordered_set>
#include <vector>

namespace orvane {
namespace {

// Paths named in one message at most; the rest are counted.
constexpr std::size_t NamedFailures = 5;

struct Refusals {
    int invalidRecordLines = 0;
    int reportsOverLimit = 0;
    int recordsOverLimit = 0;
    int duplicateRecords = 0;
    int unreadableRecords = 0;
    int outsideRecords = 0;

    bool Any() const {
        return invalidRecordLines > 0 || reportsOverLimit > 0 || recordsOverLimit > 0 ||
               duplicateRecords > 0 || unreadableRecords > 0 || outsideRecords > 0;
    }
};

void AddReason(std::string& message, int count, std::string_view what) {
    if (count > 0)
        message += "\r\n- " + std::to_string(count) + " " + std::string(what);
}

void TellRefusals(Dialogs& dialogs, const std::string& indexPath, const Refusals& refused) {
    std::string message = "Some entries of the workspace index were left out:\r\n" + indexPath;
    AddReason(message, refused.invalidRecordLines, "record line(s) not naming a record file");
    AddReason(message, refused.reportsOverLimit, "report(s) beyond the limit of 50");
    AddReason(message, refused.recordsOverLimit, "record(s) beyond the limit of 50 per report");
    AddReason(message, refused.duplicateRecords, "record(s) listed more than once");
    AddReason(message, refused.unreadableRecords, "record file(s) that could not be read");
    AddReason(message, refused.outsideRecords, "record file(s) linked outside the folder");
    message += "\r\nThey are dropped from the index when the workspace is next saved.";
    dialogs.Message(message);
}

void TellWriteFailures(Dialogs& dialogs, const std::vector<std::string>& paths) {
    std::string message = "The workspace could not be saved completely. Not written:";
    for (std::size_t i = 0; i < paths.size() && i < NamedFailures; ++i)
        message += "\r\n" + paths[i];
    if (paths.size() > NamedFailures)
        message += "\r\n(and " + std::to_string(paths.size() - NamedFailures) + " more)";
    dialogs.Message(message);
}

// Slots, names, texts, the list and the file cache all go: nothing of the previous workspace
// may leak into the one being read.
void ClearTables(Workspace& ws, WindowState& win) {
    ResetWorkspace(ws);
    for (int r = 0; r <= MaxReports; ++r) {
        ws.ReportName[r].clear();
        ws.ReportField[r] = {};
        ws.RecordCount[r] = 0;
        for (int n = 0; n <= MaxRecords; ++n) {
            ws.RecordLabel[r][n].clear();
            ws.RecordText[r][n].clear();
        }
    }
    ws.RecordFileText.clear();
    ClearList(ws, win);
    for (auto& box : win.HeaderBox)
        box.clear();
    // The caption named a report of the tables just dropped.
    win.Caption = WindowState{}.Caption;
}

// Reads the index file; nullopt (and the user told) when it exists but cannot be read. Such
// an index may hold every report of the family: it is neither loaded nor replaced.
std::optional<std::string> ReadIndex(Services& services, const std::string& indexPath) {
    if (!services.files.Exists(indexPath))
        return std::string{};
    std::optional<std::string> bytes;
    if (!services.files.IsDirectory(indexPath))
        bytes = services.files.Read(indexPath);
    if (!bytes)
        services.dialogs.Message("The workspace index could not be read:\r\n" + indexPath +
                                 "\r\nIt is left as it is; nothing is loaded or saved there "
                                 "until it can be read.");
    return bytes;
}

// The family's index is held locked while its tables are loaded, so that a second copy of the
// program cannot load it too and overwrite one copy's work with the other's.
bool LockIndex(Services& services, const std::string& indexPath) {
    if (!services.locks || services.locks->Lock(indexPath))
        return true;
    services.dialogs.Message("The workspace index is in use by another running copy of this "
                             "program:\r\n" +
                             indexPath + "\r\nClose that copy, then connect again.");
    return false;
}

void UnlockIndex(Services& services, const std::string& indexPath) {
    if (services.locks)
        services.locks->Unlock(indexPath);
}

class WorkspaceReader {
  public:
    WorkspaceReader(Workspace& ws, WindowState& win, Services& services)
        : ws_(ws), win_(win), services_(services),
          directory_(TargetDirectory(services.dataRoot, ws.TargetDir)) {}

    void Read(const ParsedIndex& index) {
        refused_.invalidRecordLines = index.invalidRecordLines;
        refused_.reportsOverLimit = index.reportsOverLimit;
        for (const IndexReportEntry& entry : index.reports)
            AddReport(entry);
    }

    const Refusals& refused() const { return refused_; }

  private:
    void AddReport(const IndexReportEntry& entry) {
        const auto report = static_cast<std::int16_t>(ws_.ReportCount + 1);
        ws_.ReportCount = report;
        ws_.ReportState[report] = ReportClosed;
        ws_.ReportName[report] = entry.name;
        for (int f = 1; f <= HeaderFields; ++f)
            ws_.ReportField[report][f] = entry.fields[f - 1];
        AppendListLine(ws_, win_, entry.name, report, 0);
        std::int16_t records = 0;
        for (const IndexRecordEntry& record : entry.records)
            if (AddRecord(report, static_cast<std::int16_t>(records + 1), record))
                ++records;
        ws_.RecordCount[report] = records;
    }

    // A record whose file is missing is dropped silently, as the records of a report may
    // have been deleted on disk between two runs.
    bool AddRecord(int report, std::int16_t slot, const IndexRecordEntry& entry) {
        if (acceptedNames_.contains(entry.fileName)) {
            ++refused_.duplicateRecords;
            return false;
        }
        if (slot > MaxRecords) {
            ++refused_.recordsOverLimit;
            return false;
        }
        const std::string path = JoinPath(directory_, entry.fileName);
        // A link to a file elsewhere would be read, and written at the next save.
        if (services_.files.Exists(path) && !services_.files.IsInside(path, directory_)) {
            ++refused_.outsideRecords;
            return false;
        }
        if (entry.kind == KindRecord) {
            std::optional<std::string> bytes = services_.files.Read(path);
            if (!bytes) {
                if (services_.files.Exists(path) && !services_.files.IsDirectory(path))
                    ++refused_.unreadableRecords;
                return false;
            }
            ws_.RecordText[report][slot] = RecordTextOf(*bytes);
            ws_.RecordFileText[path] = ws_.RecordText[report][slot];
        } else if (!services_.files.Exists(path) || services_.files.IsDirectory(path)) {
            return false;
        }
        acceptedNames_.insert(entry.fileName);
        ws_.RecordType[report][slot] = entry.kind;
        ws_.RecordPath[report][slot] = path;
        ws_.RecordLabel[report][slot] = entry.label;
        return true;
    }

    Workspace& ws_;
    WindowState& win_;
    Services& services_;
    const std::string directory_;
    std::unordered_set<std::string> acceptedNames_;
    Refusals refused_;
};

void ClearView(WindowState& win, PictureSurface* imgScreen) {
    if (win.Text1.visible) {
        win.Text1.Clear();
    } else if (win.imgScreenVisible && imgScreen) {
        imgScreen->Clear();
        imgScreen->RemovePicture();
    }
}

// Whether a load adds a fresh report for the captures to come.
enum class FreshReport { WhenLastHoldsRecords, Never };

bool ReadWorkspace(Workspace& ws, WindowState& win, Services& services, PictureSurface* imgScreen,
                   FreshReport fresh) {
    // Whatever changed since the tables were loaded (a capture's last lines included) is
    // written before they are replaced.
    if (ws.Loaded && ws.Dirty) {
        const bool sameTarget = ws.LoadedTargetDir.empty() || ws.LoadedTargetDir == ws.TargetDir;
        // The user is told what could not be saved; reading the index over the same target's
        // tables would throw those changes away.
        if (!Create_iniFile(ws, services) && sameTarget)
            return true;
    }

    const std::string previousIndex =
        ws.Loaded ? IndexPath(services.dataRoot,
                              ws.LoadedTargetDir.empty() ? ws.TargetDir : ws.LoadedTargetDir)
                  : std::string{};
    std::string indexPath;
    std::optional<std::string> bytes = std::string{};
    if (!ws.TargetDir.empty()) {
        indexPath = IndexPath(services.dataRoot, ws.TargetDir);
        if (!LockIndex(services, indexPath))
            return false;
        bytes = ReadIndex(services, indexPath);
        if (!bytes) {
            if (indexPath != previousIndex)
                UnlockIndex(services, indexPath);
            return false;
        }
    }

    ClearTables(ws, win);
    WorkspaceReader reader(ws, win, services);
    reader.Read(ParseIndex(*bytes));
    if (reader.refused().Any())
        TellRefusals(services.dialogs, indexPath, reader.refused());
    ClearView(win, imgScreen);

    if (fresh == FreshReport::WhenLastHoldsRecords) {
        if (ws.ReportCount > 0 && ws.RecordCount[ws.ReportCount] >= 1)
            mnuNewReport_Click(ws, win, services);
        if (ws.ReportCount == 0)
            mnuNewReport_Click(ws, win, services);
    }

    if (!previousIndex.empty() && previousIndex != indexPath)
        UnlockIndex(services, previousIndex);
    ws.Loaded = true;
    ws.LoadedTargetDir = ws.TargetDir;
    // A report added just now holds nothing that could be lost.
    ws.Dirty = false;
    return true;
}

// A load with its complaints collected and shown in one message once the tables are whole.
bool LoadQuietly(Workspace& ws, WindowState& win, Services& services, PictureSurface* imgScreen,
                 FreshReport fresh) {
    CollectedMessages complaints;
    Services quiet{services.files,    services.clock, complaints,
                   services.dataRoot, services.locks, services.paper};
    const bool loaded = ReadWorkspace(ws, win, quiet, imgScreen, fresh);
    complaints.ShowOn(services.dialogs);
    return loaded;
}

} // namespace

bool Create_iniFile(Workspace& ws, Services& services) {
    if (!ws.Loaded)
        return false;
    const std::string& target = ws.LoadedTargetDir.empty() ? ws.TargetDir : ws.LoadedTargetDir;
    if (target.empty())
        return false;

    std::vector<std::string> failed;
    for (int r = 1; r <= ws.ReportCount && r <= MaxReports; ++r) {
        if (ws.ReportState[r] == ReportFree)
            continue;
        for (int n = 1; n <= ws.RecordCount[r] && n <= MaxRecords; ++n) {
            const std::string& path = ws.RecordPath[r][n];
            if (ws.RecordType[r][n] != KindRecord || path.empty())
                continue;
            const std::string& text = ws.RecordText[r][n];
            const auto known = ws.RecordFileText.find(path);
            if (known != ws.RecordFileText.end() && known->second == text &&
                services.files.Exists(path))
                continue;
            if (services.files.Write(path, RecordFileBytes(text)))
                ws.RecordFileText[path] = text;
            else
                failed.push_back(path);
        }
    }

    const std::string indexPath = IndexPath(services.dataRoot, target);
    if (services.files.Exists(indexPath))
        services.files.SetReadOnly(indexPath, false);
    if (!services.files.Write(indexPath, FormatIndex(ws)))
        failed.push_back(indexPath);
    services.files.SetReadOnly(indexPath, true);

    if (!failed.empty()) {
        // Told once: not again at every pause in typing or capture while the disk fails alike.
        if (failed != ws.ToldWriteFailures)
            TellWriteFailures(services.dialogs, failed);
        ws.ToldWriteFailures = std::move(failed);
        return false;
    }
    ws.ToldWriteFailures.clear();
    ws.Dirty = false;
    return true;
}

bool Loading_Workspace(Workspace& ws, WindowState& win, Services& services,
                       PictureSurface* imgScreen) {
    return LoadQuietly(ws, win, services, imgScreen, FreshReport::WhenLastHoldsRecords);
}

bool Show_Saved_Reports(Workspace& ws, WindowState& win, Services& services,
                        PictureSurface* imgScreen) {
    return LoadQuietly(ws, win, services, imgScreen, FreshReport::Never);
}

} // namespace orvane
