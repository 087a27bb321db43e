#include "workspace/report_commands.h"

#include "output/stamps.h"
#include "workspace/list_mirror.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr std::string_view ReportNamePrefix = "WORKSPACE_";
// Rename: shorter texts get "_" & stamp appended to stay unique.
constexpr std::size_t FullNameLength = 16;

void FreeRecordSlots(Workspace& ws, int report) {
    for (int n = 0; n <= MaxRecords; ++n) {
        ws.RecordType[report][n] = KindFree;
        ws.RecordPath[report][n].clear();
        ws.RecordLabel[report][n].clear();
        ws.RecordText[report][n].clear();
    }
}

void ShowHeaderFields(const Workspace& ws, WindowState& win, int report) {
    for (int f = 1; f <= HeaderFields; ++f)
        win.HeaderBox[f - 1] = ws.ReportField[report][f];
}

} // namespace

bool IsLiveReport(const Workspace& ws, int report) {
    return report >= 1 && report <= ws.ReportCount && report <= MaxReports &&
           ws.ReportState[report] != ReportFree;
}

bool mnuNewReport_Click(Workspace& ws, WindowState& win, Services& services) {
    if (ws.ReportCount >= MaxReports) {
        services.dialogs.Message(MaximumReportMessage);
        return false;
    }
    if (!ListHasRoomFor(ws, 1)) {
        services.dialogs.Message(ListFullMessage);
        return false;
    }
    const auto report = static_cast<std::int16_t>(ws.ReportCount + 1);
    ws.ReportCount = report;
    ws.CurrentReport = report;
    ws.RecordCount[report] = 0;
    ws.ReportName[report] = std::string(ReportNamePrefix) + DateTimeStamp(services.clock);
    ws.ReportState[report] = ReportClosed;
    ws.ReportField[report] = {};
    FreeRecordSlots(ws, report);
    ShowHeaderFields(ws, win, report);
    AppendListLine(ws, win, ws.ReportName[report], report, 0);
    ws.Dirty = true;
    return true;
}

bool Popup_Report(Workspace& ws, WindowState& win, Services& services) {
    const int report = ws.CurrentReport;
    if (!IsLiveReport(ws, report))
        return false;
    if (ws.ReportState[report] == ReportOpen)
        return true;
    const int reportLine = FindReportLine(ws, report);
    if (reportLine < 0)
        return false;
    const int records = std::clamp<int>(ws.RecordCount[report], 0, MaxRecords);
    if (!ListHasRoomFor(ws, records)) {
        services.dialogs.Message(ListFullMessage);
        return false;
    }
    ws.ReportState[report] = ReportOpen;
    for (int n = 1; n <= records; ++n)
        InsertListLine(ws, win, reportLine + n, ws.RecordLabel[report][n],
                       static_cast<std::int16_t>(report), static_cast<std::int16_t>(n));
    return true;
}

void Close_Report(Workspace& ws, WindowState& win) {
    const int report = ws.CurrentReport;
    if (!IsLiveReport(ws, report) || ws.ReportState[report] != ReportOpen)
        return;
    ws.ReportState[report] = ReportClosed;
    const int reportLine = FindReportLine(ws, report);
    if (reportLine >= 0)
        RemoveListLines(ws, win, reportLine + 1, CountRecordLinesAfter(ws, reportLine));
}

void cmdOK_Click(Workspace& ws, const WindowState& win) {
    const int report = ws.CurrentReport;
    if (!IsReportIndex(report))
        return;
    for (int f = 1; f <= HeaderFields; ++f)
        ws.ReportField[report][f] = win.HeaderBox[f - 1];
    if (IsLiveReport(ws, report))
        ws.Dirty = true;
}

void cmdCancel_Click(WindowState& win) {
    for (auto& box : win.HeaderBox)
        box.clear();
}

void Show_Report_Info(const Workspace& ws, WindowState& win, int line) {
    if (!IsListLine(ws, line) || ws.ListRecord[line] == 0)
        return;
    // The report's own line is the nearest report line above; the mirror says which lines
    // are report lines, whatever their names.
    int reportLine = line - 1;
    while (reportLine >= 0 && ws.ListRecord[reportLine] != 0)
        --reportLine;
    if (reportLine < 0)
        return;
    win.Caption = "Kavrel::" + ws.ListText[reportLine];
    if (IsReportIndex(ws.CurrentReport))
        ShowHeaderFields(ws, win, ws.CurrentReport);
}

void Form5_cmdOK_Click(Workspace& ws, WindowState& win, Services& services,
                       std::string_view boxText) {
    const int line = win.ListIndex;
    if (!IsListLine(ws, line))
        return;
    const int report = ws.ListReport[line];
    const int record = ws.ListRecord[line];
    if (!IsLiveReport(ws, report) || record < 0 || record > ws.RecordCount[report])
        return;
    std::string name(boxText);
    if (name.size() < FullNameLength)
        name += "_" + DateTimeStamp(services.clock);
    if (record != 0) {
        ws.RecordLabel[report][record] = "   " + name;
        ws.ListText[line] = ws.RecordLabel[report][record];
    } else {
        ws.ReportName[report] = name;
        ws.ListText[line] = name;
    }
    ws.Dirty = true;
}

} // namespace orvane
