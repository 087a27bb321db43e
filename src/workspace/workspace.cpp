#include "workspace/workspace.h"

namespace orvane {

void ResetWorkspace(Workspace& ws) {
    for (int r = 0; r <= MaxReports; ++r) {
        ws.ReportState[r] = ReportFree;
        for (int n = 0; n <= MaxRecords; ++n) {
            ws.RecordType[r][n] = KindFree;
            ws.RecordPath[r][n].clear();
        }
    }
    ws.ListCount = 0;
    ws.ReportCount = 0;
    ws.CurrentReport = 0;
    ws.RecordInEditor = false;
    ws.EditReport = 0;
    ws.EditRecord = 0;
}

} // namespace orvane
