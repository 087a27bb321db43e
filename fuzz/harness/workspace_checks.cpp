#include "harness/workspace_checks.h"

#include "harness/require.h"

namespace orvane::fuzzing {

namespace {

void CheckTables(const Workspace& ws) {
    ORVANE_REQUIRE(ws.ReportCount >= 0 && ws.ReportCount <= MaxReports);
    ORVANE_REQUIRE(ws.CurrentReport >= 0 && ws.CurrentReport <= MaxReports);
    ORVANE_REQUIRE(ws.CurrentRecord >= 0 && ws.CurrentRecord <= MaxRecords);
    ORVANE_REQUIRE(ws.ListCount >= 0 && ws.ListCount <= MaxListLines);
    for (int r = 1; r <= ws.ReportCount; ++r) {
        const std::int16_t state = ws.ReportState[r];
        ORVANE_REQUIRE(state == ReportFree || state == ReportClosed || state == ReportOpen);
        ORVANE_REQUIRE(ws.RecordCount[r] >= 0 && ws.RecordCount[r] <= MaxRecords);
        for (int n = 1; n <= ws.RecordCount[r]; ++n) {
            const std::int16_t kind = ws.RecordType[r][n];
            ORVANE_REQUIRE(kind == KindFree || kind == KindDeleted || kind == KindRecord ||
                           kind == KindGraph);
            if (kind == KindRecord || kind == KindGraph)
                ORVANE_REQUIRE(!ws.RecordPath[r][n].empty());
        }
    }
}

void CheckList(const Workspace& ws, const WindowState& win) {
    int ownerLine = -1; // the report line the record lines below belong to
    for (int i = 0; i < ws.ListCount; ++i) {
        const int r = ws.ListReport[i];
        const int n = ws.ListRecord[i];
        ORVANE_REQUIRE(r >= 1 && r <= ws.ReportCount);
        ORVANE_REQUIRE(ws.ReportState[r] != ReportFree);
        ORVANE_REQUIRE(n >= 0 && n <= ws.RecordCount[r]);
        if (n == 0) {
            ORVANE_REQUIRE(ws.ListText[i] == ws.ReportName[r]);
            ownerLine = i;
        } else {
            ORVANE_REQUIRE(ws.ListText[i] == ws.RecordLabel[r][n]);
            ORVANE_REQUIRE(ownerLine >= 0 && ws.ListReport[ownerLine] == r);
            ORVANE_REQUIRE(ws.ReportState[r] == ReportOpen);
        }
    }
    for (int i = ws.ListCount; i < MaxListLines; ++i)
        ORVANE_REQUIRE(ws.ListText[i].empty() && ws.ListReport[i] == 0 && ws.ListRecord[i] == 0);
    ORVANE_REQUIRE(win.ListIndex >= -1 && win.ListIndex < ws.ListCount);
}

} // namespace

void CheckWorkspace(const Workspace& ws, const WindowState& win) {
    CheckTables(ws);
    CheckList(ws, win);
}

} // namespace orvane::fuzzing
