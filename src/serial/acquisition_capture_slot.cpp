#include "serial/acquisition_capture_slot.h"

namespace orvane {

namespace {

bool Holds(const Workspace& ws, int r, int n, const std::string& path) {
    return (ws.RecordType[r][n] == KindRecord || ws.RecordType[r][n] == KindGraph) &&
           ws.RecordPath[r][n] == path;
}

} // namespace

bool Locate_Capture_Record(const Workspace& ws, CaptureSlot& slot) {
    if (slot.record == 0 || slot.path.empty())
        return false;
    if (IsReportIndex(slot.report) && IsRecordIndex(slot.record) &&
        Holds(ws, slot.report, slot.record, slot.path))
        return true;
    for (int r = 1; r <= MaxReports; ++r) {
        for (int n = 1; n <= MaxRecords; ++n) {
            if (Holds(ws, r, n, slot.path)) {
                slot.report = static_cast<std::int16_t>(r);
                slot.record = static_cast<std::int16_t>(n);
                return true;
            }
        }
    }
    // Gone for good: stop looking for it on every byte that follows.
    slot = {};
    return false;
}

} // namespace orvane
