#pragma once
// What the files on disk must hold after a session, worked out from the bytes the simulated
// test set plays (its --dump) by the rules of the capture, written here afresh and kept
// apart from the program's own code. Stamps are taken from the disk.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::e2e {

// Tarn/TarnX: the pushed transmissions of a dump; each begins with its printer set-up
// ESC R 01 ESC 2 (the R in either case).
std::vector<std::string> PushedTransmissions(std::string_view dump);
// What the capture keeps of one transmission: the set-up sequences (with or without the SI
// after them) removed, every LF dropped, every CR made CR LF.
std::string PushedText(std::string_view transmission);
// The RECORD file of a pushed transmission: the header line with its stamp, the text, CR LF.
std::string PushedRecordFile(std::string_view stamp, std::string_view text);

// Vesk/VeskM: the records of a printer stream, split at the record starts ESC SP 09 / 0F / 04.
std::vector<std::string> PrinterRecords(std::string_view dump);
// The text of a text record (the bytes after ESC SP 09): printable bytes (space to "z") are
// kept, LF becomes CR LF, anything else is dropped.
std::string PrinterText(std::string_view bytes);

struct Dot {
    int x;
    int y;
    bool black;
};
// Every dot the ESC K blocks of one picture record draw, as a dot-matrix printer lays them:
// the most significant bit on top, a line feed going down one band of 8 dots after a row
// that ended with an escape sequence and two after printed text.
std::vector<Dot> BitImageDots(std::string_view record);

// A record line pair of a workspace index: kind (1 RECORD, 2 GRAPH) and the record's name.
struct IndexedRecord {
    int kind;
    std::string name;
};
// The records a workspace index lists, in order; the name is the file name's stem.
std::vector<IndexedRecord> ListedRecords(std::string_view index);
// The index of one report with empty header fields and these records, whose files lie in
// `targetFolder`.
std::string OneReportIndex(std::string_view reportName, const std::vector<IndexedRecord>& records,
                           const std::filesystem::path& targetFolder);

// A date-time stamp: MMDDYYYY-HHMMSS and two more characters.
bool IsStamp(std::string_view text);

} // namespace orvane::e2e
