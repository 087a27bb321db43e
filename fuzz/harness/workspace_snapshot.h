#pragma once
// A readable text image of the workspace and the window state, for checking that two ways of
// reaching a state reach the same one, and for showing where they part.

#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>
#include <string_view>

namespace orvane::fuzzing {

// The reports with their names, fields and record slots, and the list.
std::string SnapshotTables(const Workspace& ws);
// SnapshotTables, the cursors and flags, and the window's controls.
std::string Snapshot(const Workspace& ws, const WindowState& win);

// Aborts, printing both around the first difference, unless the two are equal.
void RequireSame(std::string_view what, const std::string& expected, const std::string& actual);

} // namespace orvane::fuzzing
