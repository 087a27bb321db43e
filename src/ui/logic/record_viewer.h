#pragma once
// The record list's mouse handling and the record view: a text record in Text1, where the
// user's edits become the record's text, and a graph record as a picture in imgScreen with
// the scroll bar beside it.

#include "serial/picture_surface.h"
#include "ui/logic/graph_surfaces.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <functional>
#include <optional>
#include <string>

namespace orvane {

// Reads the picture of a graph record back out of its document; nothing when the document
// is missing or holds no picture.
using PictureReader = std::function<std::optional<EncodedImage>(const std::string& path)>;

// What opening a graph record shows into and goes through.
struct RecordViewDevices {
    GraphSurfaces surfaces;
    Clipboard& clipboard;
    PictureReader readPicture;
};

enum class MouseButton { Left, Right, Middle };

// The list's current line changed (by the user or by code) to `line` (-1: none).
void List1_Click(Workspace& ws, WindowState& win, int line);

// A double click on `line`: the report's caption and header boxes are shown at once; the
// open/close or the opening of the record follows at the button's release.
void List1_DblClick(Workspace& ws, WindowState& win, int line);

// A mouse button released over the list. Ends the editing link to the shown record, acts on
// a preceding double click, and returns true when the window must pop up the context menu
// (right button); the menu then acts on the current line, the one the right click selected.
[[nodiscard]] bool List1_MouseUp(Workspace& ws, WindowState& win, Services& services,
                                 RecordViewDevices& devices, MouseButton button);

// "Open" of the context menu, and the release after a double click on a record line: opens
// a closed report in the list, or shows the record of the current line.
void mnuRecordOpen_Click(Workspace& ws, WindowState& win, Services& services,
                         RecordViewDevices& devices);

// The graph scroll bar moved to `value`: returns the vertical offset in pixels at which the
// window paints imgTemp into imgScreen (ten scroll units per pixel).
int scrGraphic_Change(WindowState& win, int value);

// The user's own edit of Text1; programmatic writes must not come here.
void Text1_Change(Workspace& ws, WindowState& win, std::string text);

} // namespace orvane
