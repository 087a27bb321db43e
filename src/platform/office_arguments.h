#pragma once
// The arguments that make LibreOffice read an exported file the way the export wrote it. Its
// type detection alone takes a TAB-separated ".xls" for a text document and reads 8-bit text
// as UTF-8, so the text files name their import filter; the picture document (RTF) is
// recognised as it is. The launcher and the office round-trip tests both use these.

#include "output/launcher.h"

#include <QString>
#include <QStringList>

namespace orvane {

// Everything after the office program on its command line, the file last.
QStringList OfficeArguments(OfficeFile kind, const QString& file);

} // namespace orvane
