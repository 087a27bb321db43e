#pragma once
// File > Print. The window keeps one QPrinter for the run: Print Setup (a dialog of the
// window) chooses its printer and page, Print then uses them.

#include "workspace/services.h"
#include "workspace/window_state.h"

#include <QImage>
#include <QPrinter>
#include <QStringList>

#include <string_view>

namespace orvane {

// 1 pixel of a picture is 15 twips, 1/96 inch, on paper.
inline constexpr double PicturePixelsPerInch = 96.0;
// The picture's top-left corner sits 2 twips into the printable area.
inline constexpr double PictureOffsetTwips = 2.0;
inline constexpr int TextPointSize = 10;

// The picture at its own size (scaled down only where it would not fit the printable area).
// False when the job could not be started or failed.
bool PrintPicture(QPrinter& printer, const QImage& picture);

// The lines of `text` (Windows-1252; CR LF, lone LF or lone CR end a line; TAB stops every
// 8 columns) in Courier New on as many pages as they need; a line wider than the page goes
// on in the next line. Empty text prints no page. False when the job failed.
bool PrintText(QPrinter& printer, std::string_view text);

// The text lines PrintText puts on paper for a given width in characters.
QStringList PrintLines(std::string_view text, int columns);

// The standard paper of the user's locale: Letter where US measures are used, else A4.
PaperSize LocalePaper();

// Print: the graph when imgScreen is visible (the picture of imgTemp), else the text of
// Text1, else of Text2. Any failure shows " Please install a printer! ".
void PrintShownRecord(QPrinter& printer, const WindowState& win, const QImage& imgTemp,
                      Dialogs& dialogs);

} // namespace orvane
