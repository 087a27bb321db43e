#include "harness/workspace_snapshot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orvane::fuzzing {

namespace {

void Field(std::string& out, std::string_view name, std::string_view value) {
    out += name;
    out += '=';
    out += std::to_string(value.size());
    out += ':';
    out += value;
    out += '\n';
}

void Number(std::string& out, std::string_view name, long long value) {
    Field(out, name, std::to_string(value));
}

void AddRecordSlots(std::string& out, const Workspace& ws, int r) {
    for (int n = 0; n <= MaxRecords; ++n) {
        if (ws.RecordType[r][n] == KindFree && ws.RecordPath[r][n].empty() &&
            ws.RecordLabel[r][n].empty() && ws.RecordText[r][n].empty())
            continue;
        Number(out, "record", n);
        Number(out, "  type", ws.RecordType[r][n]);
        Field(out, "  label", ws.RecordLabel[r][n]);
        Field(out, "  path", ws.RecordPath[r][n]);
        Field(out, "  text", ws.RecordText[r][n]);
    }
}

// Bytes outside printable ASCII as \xNN, so a difference can be read on a terminal.
std::string Printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n' || (byte >= 0x20 && byte < 0x7F)) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

} // namespace

std::string SnapshotTables(const Workspace& ws) {
    std::string out;
    for (int r = 0; r <= MaxReports; ++r) {
        if (ws.ReportState[r] == ReportFree && r > ws.ReportCount)
            continue;
        Number(out, "report", r);
        Number(out, " state", ws.ReportState[r]);
        Number(out, " count", ws.RecordCount[r]);
        Field(out, " name", ws.ReportName[r]);
        for (int f = 1; f <= HeaderFields; ++f)
            Field(out, " field", ws.ReportField[r][f]);
        AddRecordSlots(out, ws, r);
    }
    Number(out, "ListCount", ws.ListCount);
    for (int i = 0; i < ws.ListCount; ++i) {
        Number(out, "line report", ws.ListReport[i]);
        Number(out, "line record", ws.ListRecord[i]);
        Field(out, "line text", ws.ListText[i]);
    }
    return out;
}

std::string Snapshot(const Workspace& ws, const WindowState& win) {
    std::string out = SnapshotTables(ws);
    Number(out, "ReportCount", ws.ReportCount);
    Number(out, "CurrentReport", ws.CurrentReport);
    Number(out, "CurrentRecord", ws.CurrentRecord);
    Number(out, "ListSelection", ws.ListSelection);
    Number(out, "RecordInEditor", ws.RecordInEditor);
    Number(out, "EditReport", ws.EditReport);
    Number(out, "EditRecord", ws.EditRecord);
    Number(out, "Connected", ws.Connected);
    Number(out, "Disconnected", ws.Disconnected);
    Number(out, "Dirty", ws.Dirty);
    Field(out, "Caption", win.Caption);
    Field(out, "Frame1Caption", win.Frame1Caption);
    Field(out, "Frame2Caption", win.Frame2Caption);
    Field(out, "Text1", win.Text1.text);
    Number(out, "Text1 visible", win.Text1.visible);
    Number(out, "Text1 replaced", win.Text1.replaced);
    Field(out, "Text2", win.Text2.text);
    Number(out, "Text2 visible", win.Text2.visible);
    Number(out, "imgScreenVisible", win.imgScreenVisible);
    Number(out, "scrGraphicVisible", win.scrGraphicVisible);
    Number(out, "scrGraphicValue", win.scrGraphicValue);
    for (const std::string& box : win.HeaderBox)
        Field(out, "HeaderBox", box);
    for (const std::string& panel : win.StatusPanel)
        Field(out, "StatusPanel", panel);
    Number(out, "ListIndex", win.ListIndex);
    Number(out, "ProgressVisible", win.ProgressVisible);
    Number(out, "ProgressValue", win.ProgressValue);
    return out;
}

void RequireSame(std::string_view what, const std::string& expected, const std::string& actual) {
    if (expected == actual)
        return;
    const auto parting =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
    const auto at = static_cast<std::size_t>(parting - expected.begin());
    const std::size_t from = at > 200 ? at - 200 : 0;
    std::fprintf(stderr, "%.*s differ at byte %zu\n--- expected:\n%s\n--- actual:\n%s\n",
                 static_cast<int>(what.size()), what.data(), at,
                 Printable(expected.substr(from, 400)).c_str(),
                 Printable(actual.substr(from, 400)).c_str());
    std::abort();
}

} // namespace orvane::fuzzing
