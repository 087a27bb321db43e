#pragma once
// The link between the text view (Text1) and the text record opened in it. While the link
// holds, the user's edits of Text1 are the record's text. Other code writes into Text1 as
// well (a capture, a target change); such a write must never reach the record, so the link
// also ends as soon as Text1 no longer shows exactly the record's text.

#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>

namespace orvane {

// Whether Text1 is still the edited record's view; ends the link when it is not.
bool EditorLinkHolds(Workspace& ws, const WindowState& win);

// The user changed Text1 to `text` (typing, or a Cut, Paste or Clear Screen of theirs): the
// edited record follows while the link holds. `reload` tells the window to load the text
// into the widget (a command's change); typing is already in the widget.
void UserEditText1(Workspace& ws, WindowState& win, std::string text, bool reload);

} // namespace orvane
