#pragma once
// What every capture does when a new record begins: the newest report is opened (or its
// line selected) in the list, a record slot is taken, named by a free date-time stamp and
// appended to the list.

#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <string_view>

namespace orvane {

inline constexpr std::string_view MaximumRecordMessage = " Maximum Record Number is 50! ";

// Opens report ReportCount in the list when it is closed, or selects its line when it is
// open, and makes it current. With no report at all, a fresh one is made first.
void Open_Newest_Report(Workspace& ws, WindowState& win, Services& services);

// Adds a record of `kind` (KindRecord or KindGraph) to report ReportCount after
// Open_Newest_Report: count, state, name (a stamp no other record or file uses yet), path,
// label, type, empty text, view-frame caption and list line. Returns the record index, or 0
// when no record can be taken (the report holds 50 records already, or it or the new line
// does not fit into the list); the user has been told.
std::int16_t Add_Capture_Record(Workspace& ws, WindowState& win, Services& services,
                                std::int16_t kind);

} // namespace orvane
