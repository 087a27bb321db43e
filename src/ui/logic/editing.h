#pragma once
// The Edit menu's commands and the toolbar's Clear Screen. The selection belongs to the
// widgets: the window passes it in and applies the selection (and focus) handed back.

#include "workspace/clipboard.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstddef>

namespace orvane {

// A selection in a text box, in characters (one byte each).
struct TextSelection {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The current selections of Text1 and Text2.
struct Selections {
    TextSelection text1;
    TextSelection text2;
};

enum class TextBoxId { None, Text1, Text2 };

// Which box a command changed or selected in (None: the command did nothing), and the
// selection that box must show afterwards.
struct EditOutcome {
    TextBoxId box = TextBoxId::None;
    TextSelection selection;
};

// Only Text1, and only while it is shown: the selection goes to the clipboard and is removed.
EditOutcome mnuCut_Click(Workspace& ws, WindowState& win, Clipboard& clipboard,
                         Selections selections);
// The selection of Text1 when shown, else of Text2 when shown, goes to the clipboard.
void mnuCopy_Click(const WindowState& win, Clipboard& clipboard, Selections selections);
// The clipboard's text replaces the selection of Text1 when shown, else of Text2 when shown.
EditOutcome mnuPaste_Click(Workspace& ws, WindowState& win, Clipboard& clipboard,
                           Selections selections);
// Selects the whole of Text1 when shown, else of Text2 when shown; that box takes the focus.
EditOutcome mnuSelectAll_Click(const WindowState& win);
// Tarn/TarnX: empties the shown text boxes; Vesk/VeskM, Oru/Oru-c: empties Text1 when shown.
// The graph view is never cleared.
void Clear_Screen(Workspace& ws, WindowState& win);

} // namespace orvane
