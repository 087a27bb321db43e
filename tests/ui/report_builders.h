#pragma once
// Reports and records put straight into the tables, as a loaded workspace holds them.

#include "workspace/list_mirror.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>

namespace orvane::ui_testing {

// A closed report at the end of the list; its header fields read "<name> field 1".."4".
inline int AddReport(Workspace& ws, WindowState& win, const std::string& name) {
    const int r = ++ws.ReportCount;
    ws.ReportName[r] = name;
    ws.ReportState[r] = ReportClosed;
    ws.RecordCount[r] = 0;
    for (int f = 1; f <= HeaderFields; ++f)
        ws.ReportField[r][f] = name + " field " + std::to_string(f);
    AppendListLine(ws, win, name, static_cast<std::int16_t>(r), 0);
    return r;
}

// A record of report `r` filed at `path`; it is listed once the report is opened.
inline int AddRecord(Workspace& ws, int r, std::int16_t kind, const std::string& text,
                     const std::string& stamp, const std::string& path) {
    const int n = ++ws.RecordCount[r];
    ws.RecordType[r][n] = kind;
    ws.RecordText[r][n] = text;
    ws.RecordLabel[r][n] = (kind == KindGraph ? "   GRAPH:    " : "   RECORD:  ") + stamp;
    ws.RecordPath[r][n] = path;
    return n;
}

} // namespace orvane::ui_testing
