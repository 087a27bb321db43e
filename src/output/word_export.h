#pragma once
// Export to Word: the shown graph becomes a picture document, or the open report's header
// and the shown text a text file, named by the date-time stamp in the data root; the word
// processor is then started on it.

#include "output/launcher.h"
#include "serial/picture_surface.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>

namespace orvane {

// The text file's content: Report_Header with its blank line, the text of Text1 (or of
// Text2 when Text1 is hidden, or nothing), then CR LF.
std::string WordExportText(const Workspace& ws, const WindowState& win);

// Returns the file handed to the word processor; empty when none was written. A file that
// cannot be written and a word processor that cannot be started are reported.
std::string mnuExportToWord_Click(const Workspace& ws, const WindowState& win, Services& services,
                                  Clipboard& clipboard, const PictureSurface& imgTemp,
                                  Launcher& launcher);

} // namespace orvane
