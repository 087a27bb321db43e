#include "workspace/index_format.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ReportStart = "-";
constexpr std::string_view ReportEnd = "#";
constexpr std::size_t StampLength = 17;
constexpr std::size_t FileNameLength = StampLength + 4;

void AppendLine(std::string& out, std::string_view line) {
    const std::size_t start = out.size();
    out += line;
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    out += LineEnd;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// Characters that would let a name reach beyond its folder or that no file name holds: path
// separators, a drive's colon and the control characters.
bool IsUnsafeInName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F;
}

bool IsRecordLine(std::string_view line) {
    return line.size() >= 2 && line[0] == ' ' && (line[1] == '1' || line[1] == '2');
}

} // namespace

std::string FormatIndex(const Workspace& ws) {
    std::string out;
    for (int r = 1; r <= ws.ReportCount && r <= MaxReports; ++r) {
        if (ws.ReportState[r] == ReportFree)
            continue;
        AppendLine(out, ReportStart);
        AppendLine(out, ws.ReportName[r]);
        for (int f = 1; f <= HeaderFields; ++f)
            AppendLine(out, ws.ReportField[r][f]);
        for (int n = 1; n <= ws.RecordCount[r] && n <= MaxRecords; ++n) {
            const std::int16_t kind = ws.RecordType[r][n];
            if (kind != KindRecord && kind != KindGraph)
                continue;
            AppendLine(out, std::string(kind == KindRecord ? " 1 " : " 2 ") + ws.RecordPath[r][n]);
            AppendLine(out, ws.RecordLabel[r][n]);
        }
        AppendLine(out, ReportEnd);
    }
    return out;
}

ParsedIndex ParseIndex(std::string_view bytes) {
    ParsedIndex index;
    const std::vector<std::string_view> lines = SplitLines(bytes);
    std::size_t next = 0;
    const auto takeLine = [&]() -> std::string_view {
        return next < lines.size() ? lines[next++] : std::string_view{};
    };
    bool inBlock = false;
    while (next < lines.size()) {
        const std::string_view line = lines[next++];
        if (line == ReportStart) {
            // The five lines after "-" are taken as they are, whatever they hold.
            if (index.reports.size() == MaxReports) {
                ++index.reportsOverLimit;
                for (int skipped = 0; skipped < 1 + HeaderFields; ++skipped)
                    takeLine();
                inBlock = false;
                continue;
            }
            IndexReportEntry& report = index.reports.emplace_back();
            report.name = takeLine();
            for (auto& field : report.fields)
                field = takeLine();
            inBlock = true;
        } else if (line == ReportEnd) {
            inBlock = false;
        } else if (IsRecordLine(line)) {
            const std::string_view label = takeLine();
            if (!inBlock)
                continue;
            const auto kind = static_cast<std::int16_t>(line[1] - '0');
            const std::string_view name =
                line.size() >= FileNameLength ? line.substr(line.size() - FileNameLength) : line;
            if (!IsRecordFileName(name, kind)) {
                ++index.invalidRecordLines;
                continue;
            }
            index.reports.back().records.push_back(
                IndexRecordEntry{kind, std::string(name), std::string(label)});
        }
    }
    return index;
}

bool IsRecordFileName(std::string_view name, std::int16_t kind) {
    if (name.size() != FileNameLength)
        return false;
    const std::string_view extension = name.substr(StampLength);
    if (extension != (kind == KindRecord ? ".txt" : kind == KindGraph ? ".doc" : ""))
        return false;
    // Without a separator, a name of this length ending in the extension is neither "." nor
    // "..": it names an entry of the family's folder itself.
    return std::none_of(name.begin(), name.end(), IsUnsafeInName);
}

std::string RecordFileBytes(std::string_view text) {
    std::string bytes(text);
    bytes += LineEnd;
    return bytes;
}

std::string RecordTextOf(std::string_view fileBytes) {
    if (fileBytes.ends_with(LineEnd))
        fileBytes.remove_suffix(LineEnd.size());
    return std::string(fileBytes);
}

} // namespace orvane
