#pragma once
// File > Save and Save As: the shown text record is appended to a text file, the shown
// graph filed as a picture document, under the name the user chose in the Save dialog.

#include "serial/picture_surface.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The folder part of a chosen file name, up to and including its last '\' or '/'; empty
// when the name holds neither.
std::string SaveFolderOf(std::string_view chosenPath);

// `chosenPath` with `extension` (".txt", ".doc") added, unless it already ends in it in any
// case: "site" gives "site.txt", "site.TXT" stays.
std::string WithExtension(const std::string& chosenPath, std::string_view extension);

// Appends the text and CR LF to chosenPath with ".txt". False when it could not be written.
bool Save_Text(FileSystem& files, const std::string& chosenPath, std::string_view text);

// Runs after the window's Save dialog; `chosenPath` is empty when the user cancelled, which
// changes nothing. Otherwise SaveFolder follows the choice, a visible Text1 is appended to
// the chosen name with ".txt" and a visible graph (the picture of imgTemp, also put on the
// clipboard) is filed under it with ".doc". A file that cannot be written is reported.
void mnuSave_Click(Workspace& ws, const WindowState& win, Services& services, Clipboard& clipboard,
                   const PictureSurface& imgTemp, const std::optional<std::string>& chosenPath);

// Save As differs from Save only in its dialog's title, which is the window's.
inline void mnuSaveAs_Click(Workspace& ws, const WindowState& win, Services& services,
                            Clipboard& clipboard, const PictureSurface& imgTemp,
                            const std::optional<std::string>& chosenPath) {
    mnuSave_Click(ws, win, services, clipboard, imgTemp, chosenPath);
}

} // namespace orvane
