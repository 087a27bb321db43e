#pragma once
// Export to Excel: the open report's header and the shown text record become a TAB-separated
// table "<stamp>.xls" in the data root, which the spreadsheet program is started on.

#include "output/launcher.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>
#include <string_view>

namespace orvane {

// Pad(k) is k + 1 blanks, k = 0..4.
std::string Pad(int k);

// Every occurrence of `from`, scanned left to right without overlap and without rescanning
// what was put in, replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Runs of blanks collapsed by the passes Pad(4), Pad(3), Pad(2), Pad(1) -> Pad(0), in that
// order, then every blank turned into a TAB. Other bytes pass through unchanged.
std::string TabSeparated(std::string_view text);

// The scratch file the table is made in before it is copied to its stamped name.
std::string InterPath(std::string_view dataRoot);

// Does nothing unless Text1 is visible. Returns the table handed to the spreadsheet
// program; empty when none was made ("Can't find the Microsoft Excel in your PC!" when no
// spreadsheet program is installed, or a file that could not be written is reported).
std::string mnuExportToExcel_Click(const Workspace& ws, const WindowState& win, Services& services,
                                   Launcher& launcher);

} // namespace orvane
