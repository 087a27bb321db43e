#pragma once
// A whole report as one document for the customer: its header and every live record in list
// order, each with the text or the picture it holds. Record files are only read.

#include "serial/picture_surface.h"
#include "workspace/services.h"
#include "workspace/workspace.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct ReportEntry {
    enum class Kind { Text, Picture, Unreadable };
    Kind kind = Kind::Text;
    std::string heading;  // the record's list label without its leading blanks
    std::string text;     // Text: the record's text, Windows-1252 with its own line ends
    EncodedImage picture; // Picture: the document's picture with its size in dots
};

struct ReportDocument {
    std::string name;
    std::array<std::string, HeaderFields> fields{}; // company, technician, ticket, comment
    std::string family;                             // the test-set family's name
    std::string firstStamp;                         // of the first and the last record;
    std::string lastStamp;                          // empty when the report holds none
    std::vector<ReportEntry> records;
};

// The document of report `r`: texts from the tables (as the window shows them, edits
// included), pictures read from their documents through `files`. A picture document that
// is missing or holds no picture gives an Unreadable entry.
ReportDocument BuildReportDocument(const Workspace& ws, int r, FileSystem& files,
                                   std::string family);

// The report the report commands act on: the one of list line `line` (a report line or one
// of its records), else the newest report; 0 when there is none.
int ReportOfLine(const Workspace& ws, int line);

// "<report name>.pdf", with the characters a file name may not hold replaced by '_'.
std::string ReportPdfFileName(std::string_view reportName);

} // namespace orvane
