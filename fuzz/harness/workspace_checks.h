#pragma once
// Invariants of the workspace tables and of the list mirror that must hold after any
// procedure, whatever bytes it was fed.

#include "workspace/window_state.h"
#include "workspace/workspace.h"

namespace orvane::fuzzing {

// Counters and cursors inside their tables, every list line naming a live report or one of
// its records with that line's text, the lines of an open report's records right below the
// report's own line, and the mirror zeroed above ListCount.
void CheckWorkspace(const Workspace& ws, const WindowState& win);

} // namespace orvane::fuzzing
