// The reader of the workspace index text, on arbitrary bytes.
//
// What it accepts is within the tables' limits and names only record files of this
// program's form; written back by the index writer and read again, it comes back unchanged.

#include "harness/fresh.h"
#include "harness/require.h"
#include "workspace/index_format.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace orvane;

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void CheckAccepted(const ParsedIndex& index) {
    ORVANE_REQUIRE(index.reports.size() <= MaxReports);
    ORVANE_REQUIRE(index.invalidRecordLines >= 0 && index.reportsOverLimit >= 0);
    for (const IndexReportEntry& report : index.reports) {
        ORVANE_REQUIRE(!HasLineBreak(report.name));
        for (const std::string& field : report.fields)
            ORVANE_REQUIRE(!HasLineBreak(field));
        for (const IndexRecordEntry& record : report.records) {
            ORVANE_REQUIRE(record.kind == KindRecord || record.kind == KindGraph);
            ORVANE_REQUIRE(IsRecordFileName(record.fileName, record.kind));
            ORVANE_REQUIRE(!HasLineBreak(record.label));
        }
    }
}

// The tables as loading fills them from `index` (records beyond the table left out), with
// the record files under the older program's directory: the reader keeps only their names.
void FillTables(Workspace& ws, const ParsedIndex& index) {
    ResetWorkspace(ws);
    for (const IndexReportEntry& report : index.reports) {
        const auto r = static_cast<std::int16_t>(ws.ReportCount + 1);
        ws.ReportCount = r;
        ws.ReportState[r] = ReportClosed;
        ws.ReportName[r] = report.name;
        for (int f = 1; f <= HeaderFields; ++f)
            ws.ReportField[r][f] = report.fields[f - 1];
        for (const IndexRecordEntry& record : report.records) {
            if (ws.RecordCount[r] == MaxRecords)
                break;
            const auto n = static_cast<std::int16_t>(++ws.RecordCount[r]);
            ws.RecordType[r][n] = record.kind;
            ws.RecordPath[r][n] = "C:\\PLX\\VESK\\" + record.fileName;
            ws.RecordLabel[r][n] = record.label;
        }
    }
}

void CheckRoundTrip(const ParsedIndex& index) {
    const fuzzing::Fresh<Workspace> ws;
    FillTables(*ws, index);
    const ParsedIndex again = ParseIndex(FormatIndex(*ws));
    ORVANE_REQUIRE(again.invalidRecordLines == 0 && again.reportsOverLimit == 0);
    ORVANE_REQUIRE(again.reports.size() == index.reports.size());
    for (std::size_t r = 0; r < index.reports.size(); ++r) {
        const IndexReportEntry& first = index.reports[r];
        const IndexReportEntry& second = again.reports[r];
        ORVANE_REQUIRE(second.name == first.name && second.fields == first.fields);
        const std::size_t kept = std::min<std::size_t>(first.records.size(), MaxRecords);
        ORVANE_REQUIRE(second.records.size() == kept);
        for (std::size_t n = 0; n < kept; ++n) {
            ORVANE_REQUIRE(second.records[n].kind == first.records[n].kind);
            ORVANE_REQUIRE(second.records[n].fileName == first.records[n].fileName);
            ORVANE_REQUIRE(second.records[n].label == first.records[n].label);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ParsedIndex index = ParseIndex({reinterpret_cast<const char*>(data), size});
    CheckAccepted(index);
    CheckRoundTrip(index);
    return 0;
}
