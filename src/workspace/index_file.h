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
// also told to the user, naming the file.
bool Create_iniFile(Workspace& ws, Services& services);

// Replaces the tables and the list with the index of ws.TargetDir and the text of its record
// files; changes not yet written are written first. Entries that cannot be trusted (record
// names of another form, more than 50 reports or records) are left out and the user is told
// once. Adds a fresh report when the last one holds records or none was read. The text view
// is emptied, or the graph view `imgScreen` when the text view is hidden.
void Loading_Workspace(Workspace& ws, WindowState& win, Services& services,
                       PictureSurface* imgScreen = nullptr);

// The same load without the fresh report: the family's saved reports as they are, for
// reviewing them without the test set (at start-up and after a change of family while the
// link is down). No index gives an empty list.
void Show_Saved_Reports(Workspace& ws, WindowState& win, Services& services,
                        PictureSurface* imgScreen = nullptr);

} // namespace orvane
