// Deleting a record or a whole report: record files go at once, the tables are compacted
// and the list mirror renumbered.

#include "workspace/list_mirror.h"
#include "workspace/report_commands.h"

#include <utility>

namespace orvane {
namespace {

void MoveRecordSlot(Workspace& ws, int toReport, int toRecord, int fromReport, int fromRecord) {
    ws.RecordType[toReport][toRecord] = ws.RecordType[fromReport][fromRecord];
    ws.RecordText[toReport][toRecord] = std::move(ws.RecordText[fromReport][fromRecord]);
    ws.RecordLabel[toReport][toRecord] = std::move(ws.RecordLabel[fromReport][fromRecord]);
    ws.RecordPath[toReport][toRecord] = std::move(ws.RecordPath[fromReport][fromRecord]);
}

void ClearRecordSlot(Workspace& ws, int report, int record, std::int16_t kind) {
    ws.RecordType[report][record] = kind;
    ws.RecordText[report][record].clear();
    ws.RecordLabel[report][record].clear();
    ws.RecordPath[report][record].clear();
}

void RemoveRecordFile(Services& services, const std::string& path) {
    if (!path.empty())
        services.files.Remove(path);
}

// Report `to` takes everything of report `from`; record slots above its count become free.
void MoveReport(Workspace& ws, int to, int from) {
    const int records = ws.RecordCount[from];
    for (int n = 1; n <= records; ++n)
        MoveRecordSlot(ws, to, n, from, n);
    for (int n = records + 1; n <= MaxRecords; ++n)
        ClearRecordSlot(ws, to, n, KindFree);
    ws.RecordCount[to] = ws.RecordCount[from];
    ws.ReportName[to] = std::move(ws.ReportName[from]);
    ws.ReportState[to] = ws.ReportState[from];
    ws.ReportField[to] = std::move(ws.ReportField[from]);
}

void FreeReport(Workspace& ws, int report) {
    ws.ReportName[report].clear();
    ws.ReportField[report] = {};
    ws.RecordCount[report] = 0;
    ws.ReportState[report] = ReportFree;
    for (int n = 0; n <= MaxRecords; ++n)
        ClearRecordSlot(ws, report, n, KindFree);
}

// The header boxes were filled from CurrentReport: they follow it when it moves down and
// are emptied when it was the deleted one, so a later Save never lands elsewhere.
void FollowCurrentReport(Workspace& ws, WindowState& win, int deleted) {
    if (ws.CurrentReport == deleted) {
        ws.CurrentReport = 0;
        for (auto& box : win.HeaderBox)
            box.clear();
    } else if (ws.CurrentReport > deleted) {
        --ws.CurrentReport;
    }
}

bool HoldsRecordFile(const Workspace& ws, int report, std::string_view path) {
    for (int n = 1; n <= ws.RecordCount[report] && n <= MaxRecords; ++n)
        if (ws.RecordPath[report][n] == path)
            return true;
    return false;
}

// Lines whose deletion would pull the ground from under the capture: the report that
// receives the next capture, and the record being captured with its report.
bool FeedsCapture(const Workspace& ws, int line, std::string_view liveRecordPath) {
    if (!ws.Connected || ws.Disconnected)
        return false;
    const int report = ws.ListReport[line];
    const int record = ws.ListRecord[line];
    if (!IsLiveReport(ws, report))
        return false;
    if (record != 0)
        return !liveRecordPath.empty() && IsRecordIndex(record) &&
               ws.RecordPath[report][record] == liveRecordPath;
    return report == ws.ReportCount ||
           (!liveRecordPath.empty() && HoldsRecordFile(ws, report, liveRecordPath));
}

} // namespace

void mnuRecordDelete_Click(Workspace& ws, WindowState& win, Services& services,
                           std::string_view liveRecordPath) {
    if (!IsListLine(ws, win.ListIndex))
        return;
    if (FeedsCapture(ws, win.ListIndex, liveRecordPath)) {
        services.dialogs.Message(DisconnectFirstMessage);
        return;
    }
    ws.ListSelection = static_cast<std::int16_t>(win.ListIndex);
    if (ws.ListRecord[win.ListIndex] != 0)
        Record_Delete(ws, win, services);
    else
        Report_Delete(ws, win, services);
}

void Record_Delete(Workspace& ws, WindowState& win, Services& services) {
    const int line = win.ListIndex;
    if (!IsListLine(ws, line))
        return;
    const int report = ws.ListReport[line];
    const int record = ws.ListRecord[line];
    if (!IsLiveReport(ws, report) || record < 1 || record > ws.RecordCount[report])
        return;
    if (!services.dialogs.Confirm(RemoveRecordQuestion))
        return;
    ws.RecordInEditor = false;
    const int count = ws.RecordCount[report];
    RemoveRecordFile(services, ws.RecordPath[report][record]);
    for (int n = record; n < count; ++n)
        MoveRecordSlot(ws, report, n, report, n + 1);
    ClearRecordSlot(ws, report, count, KindDeleted);
    ws.RecordCount[report] = static_cast<std::int16_t>(count - 1);

    RemoveListLines(ws, win, line, 1);
    for (int m = 0; m < ws.ListCount; ++m)
        if (ws.ListReport[m] == report && ws.ListRecord[m] > record)
            --ws.ListRecord[m];
    ws.Dirty = true;
}

void Report_Delete(Workspace& ws, WindowState& win, Services& services) {
    const int line = win.ListIndex;
    if (!IsListLine(ws, line) || ws.ListRecord[line] != 0)
        return;
    const int report = ws.ListReport[line];
    if (!IsLiveReport(ws, report))
        return;
    if (!services.dialogs.Confirm(RemoveReportQuestion))
        return;
    ws.RecordInEditor = false;
    for (int n = 1; n <= ws.RecordCount[report]; ++n) {
        const std::int16_t kind = ws.RecordType[report][n];
        if (kind != KindDeleted && kind != KindFree)
            RemoveRecordFile(services, ws.RecordPath[report][n]);
        ws.RecordType[report][n] = KindDeleted;
    }

    RemoveListLines(ws, win, line, 1 + CountRecordLinesAfter(ws, line));
    for (int m = 0; m < ws.ListCount; ++m)
        if (ws.ListReport[m] > report)
            --ws.ListReport[m];

    for (int r = report; r < ws.ReportCount; ++r)
        MoveReport(ws, r, r + 1);
    FreeReport(ws, ws.ReportCount);
    --ws.ReportCount;
    FollowCurrentReport(ws, win, report);
    ws.Dirty = true;
}

} // namespace orvane
