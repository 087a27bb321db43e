#pragma once
// Line operations on List1 and its mirror (ListText, ListReport, ListRecord, ListCount).
// Each keeps the mirror entries at and above ListCount zeroed, and moves the list's
// selection (WindowState::ListIndex, Workspace::ListSelection) with the line it names, as
// a list box does; a selection whose line is removed becomes -1.

#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view ListFullMessage = " The list is full: close a report first. ";

// True when `lines` more lines fit into the list's 101 lines.
bool ListHasRoomFor(const Workspace& ws, int lines);

// Inserts one line at `at` (0..ListCount); false, with nothing changed, when it does not fit.
bool InsertListLine(Workspace& ws, WindowState& win, int at, std::string text, std::int16_t report,
                    std::int16_t record);
bool AppendListLine(Workspace& ws, WindowState& win, std::string text, std::int16_t report,
                    std::int16_t record);
// Removes the lines at..at+count-1, clipped to the live lines.
void RemoveListLines(Workspace& ws, WindowState& win, int at, int count);
// Empties the list.
void ClearList(Workspace& ws, WindowState& win);

// The line of report `report` itself, or -1 when it is not listed.
int FindReportLine(const Workspace& ws, int report);
// How many record lines of `report` follow its own line `reportLine` directly.
int CountRecordLinesAfter(const Workspace& ws, int reportLine);

} // namespace orvane
