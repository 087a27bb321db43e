#pragma once
// The text of a workspace index and of a text record file, without any file access.
//
// An index is a sequence of report blocks, lines ended by CR LF:
//   "-", report name, four header fields,
//   per record: " <kind> <full path of its file>" and its list text,
//   "#".

#include "workspace/workspace.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct IndexRecordEntry {
    std::int16_t kind = KindRecord;
    std::string fileName; // the 21 characters that name the record's file
    std::string label;
};

struct IndexReportEntry {
    std::string name;
    std::array<std::string, HeaderFields> fields{};
    std::vector<IndexRecordEntry> records;
};

struct ParsedIndex {
    std::vector<IndexReportEntry> reports; // at most MaxReports
    int invalidRecordLines = 0;            // record lines not naming a record file
    int reportsOverLimit = 0;              // blocks after the 50th
};

// The index text of the live reports and their RECORD and GRAPH records. Names, fields,
// labels and paths are single lines; a line break inside one becomes a blank so that it
// cannot split its block.
std::string FormatIndex(const Workspace& ws);

// Reads index text as this program and its predecessors wrote it: a line ends at CR LF, CR
// or LF. Stray lines are ignored; a block without its closing "#" keeps its records.
ParsedIndex ParseIndex(std::string_view bytes);

// A record file name this program or its predecessors can have written: 17 characters of
// date-time stamp, whose suffix came from the user's time format ("AM", "m.", " s", ...),
// and ".txt" for a RECORD or ".doc" for a GRAPH. Refused: separators, a drive's colon and
// control characters, so that the name stays inside the family's folder.
bool IsRecordFileName(std::string_view name, std::int16_t kind);

// A text record's file holds its text followed by CR LF; reading gives back exactly the
// text, so a file loaded and written unchanged stays byte-identical.
std::string RecordFileBytes(std::string_view text);
std::string RecordTextOf(std::string_view fileBytes);

} // namespace orvane
