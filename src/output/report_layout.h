#pragma once
// The pages of a report's document, decided without any drawing: a list of blocks, each with
// its place on its page, and page breaks between the pages. A renderer only draws them.
//
// Units are points (1/72 inch) from the top left of the printable area. Text records are set
// in a fixed-pitch font; a picture is one point per 0.75 of its dots (96 dots per inch, the
// scale of the Print command), made smaller only where it would not fit on an empty page,
// and never cut across two pages.

#include "output/report_document.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// What the renderer measured on its device, in points.
struct PageMetrics {
    double width = 0;     // the printable area
    double height = 0;    // the printable area, page number included
    double titleLine = 0; // the report name
    double line = 0;      // the sans-serif body font: header, headings, notes, page numbers
    double textLine = 0;  // the fixed-pitch font of text records
    double charWidth = 0; // one character of the fixed-pitch font
};

enum class BlockKind {
    Title,
    Label,
    Field,
    Heading,
    TextLine,
    Picture,
    Note,
    PageNumber,
    PageBreak
};

struct LayoutBlock {
    BlockKind kind = BlockKind::TextLine;
    double x = 0;
    double y = 0;
    double width = 0; // Picture: its size on paper; PageNumber: the width to centre it in
    double height = 0;
    std::string text; // Windows-1252
    int record = -1;  // Picture: the entry of ReportDocument::records it shows
};

// The document's own words in the window's language.
struct ReportTexts {
    std::array<std::string, HeaderFields> headerLabels; // company, technician, ticket, comment
    std::string family;
    std::string firstRecord;
    std::string lastRecord;
    std::string unreadable; // under the heading of a record whose file cannot be read
    std::string page;       // "Page n of m"
    std::string of;
};

// Language 2 is German, anything else English; the header labels are the window's own.
ReportTexts ReportTextsFor(std::int16_t language,
                           const std::array<std::string_view, HeaderFields>& headerLabels);

// The lines a text record puts on paper `columns` characters wide: CR LF, LF or CR end a
// line (the end after the last line starts none), TABs stop every 8 columns, a longer line
// goes on in the next one.
std::vector<std::string> TextLines(std::string_view text, int columns);

std::vector<LayoutBlock> LayoutReport(const ReportDocument& doc, const ReportTexts& texts,
                                      const PageMetrics& metrics);

// The number of pages of a layout.
int PageCount(const std::vector<LayoutBlock>& blocks);

} // namespace orvane
