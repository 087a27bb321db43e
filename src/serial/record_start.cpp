#include "serial/record_start.h"

#include "output/stamps.h"
#include "workspace/data_paths.h"
#include "workspace/list_mirror.h"
#include "workspace/report_commands.h"

#include <algorithm>
#include <string>

namespace orvane {
namespace {

void SelectLine(Workspace& ws, WindowState& win, int line) {
    ws.ListSelection = static_cast<std::int16_t>(line);
    win.ListIndex = line;
}

// The live records are those the index lists: within each report's count.
bool RecordPathInUse(const Workspace& ws, const std::string& path) {
    const int reports = std::min<int>(ws.ReportCount, MaxReports);
    for (int r = 1; r <= reports; ++r) {
        const int records = std::min<int>(ws.RecordCount[r], MaxRecords);
        for (int n = 1; n <= records; ++n)
            if ((ws.RecordType[r][n] == KindRecord || ws.RecordType[r][n] == KindGraph) &&
                ws.RecordPath[r][n] == path)
                return true;
    }
    return false;
}

// The stamp of now, or of the next second that names no record and no file yet: two
// records started within one second must not share (and later overwrite) one file.
std::string FreeRecordName(const Workspace& ws, Services& services, const std::string& directory,
                           const std::string& extension) {
    const LocalTime now = services.clock.Now();
    for (int later = 0;; ++later) {
        std::string name = DateTimeStamp(services.clock, now, later);
        const std::string path = JoinPath(directory, name + extension);
        if (!RecordPathInUse(ws, path) && !services.files.Exists(path))
            return name;
    }
}

} // namespace

void Open_Newest_Report(Workspace& ws, WindowState& win, Services& services) {
    if (!IsLiveReport(ws, ws.ReportCount) && !mnuNewReport_Click(ws, win, services))
        return;
    const std::int16_t report = ws.ReportCount;
    ws.CurrentReport = report;
    SelectLine(ws, win, FindReportLine(ws, report));
    if (ws.ReportState[report] == ReportClosed)
        Popup_Report(ws, win, services);
}

std::int16_t Add_Capture_Record(Workspace& ws, WindowState& win, Services& services,
                                std::int16_t kind) {
    const std::int16_t report = ws.ReportCount;
    // Not open: the report commands could not list it and have told the user why.
    if (!IsLiveReport(ws, report) || ws.ReportState[report] != ReportOpen)
        return 0;
    if (ws.RecordCount[report] >= MaxRecords) {
        services.dialogs.Message(MaximumRecordMessage);
        return 0;
    }
    if (!ListHasRoomFor(ws, 1)) {
        services.dialogs.Message(ListFullMessage);
        return 0;
    }

    const bool graph = kind == KindGraph;
    const auto record = static_cast<std::int16_t>(ws.RecordCount[report] + 1);
    ws.RecordCount[report] = record;
    ws.CurrentRecord = record;

    const std::string directory = TargetDirectory(services.dataRoot, ws.TargetDir);
    const std::string extension = graph ? ".doc" : ".txt";
    const std::string name = FreeRecordName(ws, services, directory, extension);
    ws.RecordPath[report][record] = JoinPath(directory, name + extension);
    ws.RecordLabel[report][record] = (graph ? "   GRAPH:    " : "   RECORD:  ") + name;
    ws.RecordType[report][record] = graph ? KindGraph : KindRecord;
    ws.RecordText[report][record].clear();

    win.Frame2Caption = ws.RecordLabel[report][record];
    AppendListLine(ws, win, ws.RecordLabel[report][record], report, record);
    ws.Dirty = true;
    return record;
}

} // namespace orvane
