#include "output/report_document.h"

#include "output/picture_document.h"
#include "workspace/index_format.h"
#include "workspace/report_commands.h"

#include <algorithm>

namespace orvane {
namespace {

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The date-time stamp that names the record's file; empty for a file of another name.
std::string StampOf(std::string_view path, std::int16_t kind) {
    const std::string_view name = FileNameOf(path);
    if (!IsRecordFileName(name, kind))
        return {};
    return std::string(name.substr(0, name.find('.')));
}

std::string Heading(std::string_view label) {
    const std::size_t first = label.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = label.find_last_not_of(' ');
    return std::string(label.substr(first, last - first + 1));
}

ReportEntry PictureEntry(FileSystem& files, const std::string& path) {
    ReportEntry entry;
    if (std::optional<EncodedImage> picture = Document_To_Picture(files, path);
        picture && picture->width > 0 && picture->height > 0) {
        entry.kind = ReportEntry::Kind::Picture;
        entry.picture = std::move(*picture);
    } else {
        entry.kind = ReportEntry::Kind::Unreadable;
    }
    return entry;
}

} // namespace

ReportDocument BuildReportDocument(const Workspace& ws, int r, FileSystem& files,
                                   std::string family) {
    ReportDocument doc;
    doc.family = std::move(family);
    if (!IsLiveReport(ws, r))
        return doc;
    doc.name = ws.ReportName[r];
    for (int f = 1; f <= HeaderFields; ++f)
        doc.fields[f - 1] = ws.ReportField[r][f];
    for (int n = 1; n <= ws.RecordCount[r] && n <= MaxRecords; ++n) {
        const std::int16_t kind = ws.RecordType[r][n];
        if (kind != KindRecord && kind != KindGraph)
            continue;
        const std::string& path = ws.RecordPath[r][n];
        ReportEntry entry;
        if (kind == KindRecord)
            entry.text = ws.RecordText[r][n];
        else
            entry = PictureEntry(files, path);
        entry.heading = Heading(ws.RecordLabel[r][n]);
        doc.records.push_back(std::move(entry));
        if (std::string stamp = StampOf(path, kind); !stamp.empty()) {
            if (doc.firstStamp.empty())
                doc.firstStamp = stamp;
            doc.lastStamp = std::move(stamp);
        }
    }
    return doc;
}

int ReportOfLine(const Workspace& ws, int line) {
    if (IsListLine(ws, line) && IsLiveReport(ws, ws.ListReport[line]))
        return ws.ListReport[line];
    for (int r = std::min<int>(ws.ReportCount, MaxReports); r >= 1; --r)
        if (IsLiveReport(ws, r))
            return r;
    return 0;
}

std::string ReportPdfFileName(std::string_view reportName) {
    std::string name(reportName);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    if (name.empty() || name.find_first_not_of(". ") == std::string::npos)
        name = "report" + name;
    return name + ".pdf";
}

} // namespace orvane
