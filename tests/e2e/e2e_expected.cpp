#include "e2e_expected.h"

#include <cctype>

namespace orvane::e2e {
namespace {

constexpr char Esc = '\x1B';
constexpr std::string_view CrLf = "\r\n";

unsigned char At(std::string_view bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

// ESC R 01 ESC 2 at `i`, the R in either case.
bool PrinterSetUpAt(std::string_view bytes, std::size_t i) {
    return At(bytes, i) == 0x1B && (At(bytes, i + 1) == 'R' || At(bytes, i + 1) == 'r') &&
           At(bytes, i + 2) == 0x01 && At(bytes, i + 3) == 0x1B && At(bytes, i + 4) == '2';
}

bool RecordStartAt(std::string_view bytes, std::size_t i) {
    const unsigned char kind = At(bytes, i + 2);
    return At(bytes, i) == 0x1B && At(bytes, i + 1) == ' ' &&
           (kind == 0x09 || kind == 0x0F || kind == 0x04);
}

// Columns of the ESC K block at `i`.
std::size_t BlockColumns(std::string_view bytes, std::size_t i) {
    return At(bytes, i + 2) + 256u * At(bytes, i + 3);
}

bool BlockAt(std::string_view bytes, std::size_t i) {
    return At(bytes, i) == 0x1B && At(bytes, i + 1) == 'K';
}

std::vector<std::string> SplitAt(std::string_view bytes, const std::vector<std::size_t>& starts) {
    std::vector<std::string> parts;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : bytes.size();
        parts.emplace_back(bytes.substr(starts[k], end - starts[k]));
    }
    return parts;
}

} // namespace

std::vector<std::string> PushedTransmissions(std::string_view dump) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < dump.size(); ++i) {
        if (PrinterSetUpAt(dump, i))
            starts.push_back(i);
    }
    return SplitAt(dump, starts);
}

std::string PushedText(std::string_view transmission) {
    std::string text;
    for (std::size_t i = 0; i < transmission.size(); ++i) {
        if (PrinterSetUpAt(transmission, i)) {
            i += At(transmission, i + 5) == 0x0F ? 5 : 4;
        } else if (transmission[i] == '\r') {
            text += CrLf;
        } else if (transmission[i] != '\n') {
            text += transmission[i];
        }
    }
    return text;
}

std::string PushedRecordFile(std::string_view stamp, std::string_view text) {
    return "   RECORD:" + std::string(stamp) + std::string(CrLf) + std::string(text) +
           std::string(CrLf);
}

std::vector<std::string> PrinterRecords(std::string_view dump) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < dump.size(); ++i) {
        if (BlockAt(dump, i))
            i += 3 + BlockColumns(dump, i); // column bytes are dots, not codes
        else if (RecordStartAt(dump, i))
            starts.push_back(i);
    }
    return SplitAt(dump, starts);
}

std::string PrinterText(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        if (c == '\n')
            text += CrLf;
        else if (c >= ' ' && c <= 'z')
            text += c;
    }
    return text;
}

std::vector<Dot> BitImageDots(std::string_view record) {
    std::vector<Dot> dots;
    int band = 0;
    int column = 0;
    bool escapeLast = false;
    // The last byte of an escape sequence counts as a plain byte too.
    const auto plain = [&](unsigned char c) {
        if (c == '\n') {
            band += escapeLast ? 1 : 2;
            column = 0;
        } else if (c >= ' ' && c <= 'z') {
            escapeLast = false;
        }
    };
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] != Esc) {
            plain(At(record, i));
            continue;
        }
        escapeLast = true;
        if (BlockAt(record, i)) {
            const std::size_t columns = BlockColumns(record, i);
            for (std::size_t k = 0; k < columns; ++k) {
                const unsigned char dotsOfColumn = At(record, i + 4 + k);
                for (int dot = 0; dot < 8; ++dot)
                    dots.push_back({column + static_cast<int>(k), 8 * band + dot,
                                    (dotsOfColumn & (0x80u >> dot)) != 0});
            }
            column += static_cast<int>(columns);
            i += 3 + columns;
        } else {
            i += At(record, i + 1) == ' ' ? 2 : 1;
        }
        plain(At(record, i));
    }
    return dots;
}

std::vector<IndexedRecord> ListedRecords(std::string_view index) {
    constexpr std::size_t FileNameLength = 21, NameLength = 17;
    std::vector<IndexedRecord> records;
    for (std::size_t start = 0; start < index.size();) {
        std::size_t end = index.find(CrLf, start);
        if (end == std::string_view::npos)
            end = index.size();
        const std::string_view line = index.substr(start, end - start);
        if (line.size() > 3 + FileNameLength && line[0] == ' ' &&
            (line[1] == '1' || line[1] == '2') && line[2] == ' ') {
            const std::string_view fileName = line.substr(line.size() - FileNameLength);
            records.push_back({line[1] - '0', std::string(fileName.substr(0, NameLength))});
        }
        start = end + CrLf.size();
    }
    return records;
}

std::string OneReportIndex(std::string_view reportName, const std::vector<IndexedRecord>& records,
                           const std::filesystem::path& targetFolder) {
    std::string index = "-\r\n" + std::string(reportName) + "\r\n\r\n\r\n\r\n\r\n";
    for (const IndexedRecord& record : records) {
        const bool text = record.kind == 1;
        const std::filesystem::path file = targetFolder / (record.name + (text ? ".txt" : ".doc"));
        index += " " + std::to_string(record.kind) + " " + file.string() + "\r\n";
        index += (text ? "   RECORD:  " : "   GRAPH:    ") + record.name + "\r\n";
    }
    return index + "#\r\n";
}

bool IsStamp(std::string_view text) {
    if (text.size() != 17 || text[8] != '-')
        return false;
    for (std::size_t i = 0; i < 15; ++i) {
        if (i != 8 && !std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return std::isalnum(static_cast<unsigned char>(text[15])) &&
           std::isalnum(static_cast<unsigned char>(text[16]));
}

} // namespace orvane::e2e
