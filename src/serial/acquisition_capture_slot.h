#pragma once
// The record an acquisition run writes into. It is remembered by slot and by file path:
// deleting an earlier report or record while the capture runs moves the slot, and a New
// Workspace changes ReportCount, yet the text and the picture must still reach their own
// record and no other.

#include "workspace/workspace.h"

#include <cstdint>
#include <string>

namespace orvane {

struct CaptureSlot {
    std::int16_t report = 0;
    std::int16_t record = 0; // 0: no record started in this run
    std::string path;        // the record's file; names it for good
};

// Points `slot` at its record again when the record moved; false when there is no record
// (none started, or the user deleted it).
bool Locate_Capture_Record(const Workspace& ws, CaptureSlot& slot);

} // namespace orvane
