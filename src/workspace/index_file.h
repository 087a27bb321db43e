#pragma once
// The workspace index of a target (<root>/<TARGET>/<TARGET>.ini) and the text record files
// written with it.

#include "serial/picture_surface.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

namespace orvane {

// Writes every text record's file whose content changed, then the index, which is left
// read-only. Writes only a workspace that was loaded (ws.Loaded), to the index of the target
// it was loaded for. False when nothing was written or a write failed; a failed write is
// also told to the user, naming the files, once: a save that fails on the same files again
// says nothing more.
bool Create_iniFile(Workspace& ws, Services& services);

// Replaces the tables and the list with the index of ws.TargetDir and the text of its record
// files; a workspace loaded before is written first (it stays when that fails for the same
// target). Entries that cannot be trusted (record names that could leave the target's
// folder, more than 50 reports or records) are left out. Adds a fresh report when the last
// one holds records or none was read. The text view is emptied, or the graph view `imgScreen`
// when the text view is hidden. Complaints are shown in one message at the end, when the
// tables are whole. The index stays locked against other copies of the program while its
// tables are loaded. False, with the tables as they were and the user told once, when the
// index is another copy's or exists but cannot be read: it is then neither loaded nor
// written.
bool Loading_Workspace(Workspace& ws, WindowState& win, Services& services,
                       PictureSurface* imgScreen = nullptr);

// The same load without the fresh report: the family's saved reports as they are, for
// reviewing them without the test set (at start-up and after a change of family while the
// link is down). No index gives an empty list. False as for Loading_Workspace.
bool Show_Saved_Reports(Workspace& ws, WindowState& win, Services& services,
                        PictureSurface* imgScreen = nullptr);

} // namespace orvane
