#pragma once
// Hands an exported file to the user's word processor or spreadsheet program.

#include <string>

namespace orvane {

// What an export hands to an office program; each kind is read back its own way.
enum class OfficeFile {
    Text,            // Windows-1252 text with CR LF line ends, for the word processor
    PictureDocument, // the RTF document holding a picture, for the word processor
    Table,           // TAB-separated Windows-1252 text with CR LF line ends, for the spreadsheet
};

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts the word processor on the file (Text or PictureDocument); false when none could
    // be started.
    virtual bool OpenInWordProcessor(const std::string& path, OfficeFile kind) = 0;
    // True when a spreadsheet program is installed.
    virtual bool HasSpreadsheet() = 0;
    // Starts the spreadsheet program on a Table.
    virtual bool OpenInSpreadsheet(const std::string& path) = 0;
};

} // namespace orvane
