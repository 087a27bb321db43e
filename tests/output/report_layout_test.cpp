// The pages of a report's document: what goes where, decided without drawing anything.

#include "output/picture_document.h"
#include "output/report_layout.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "workspace/disk_file_system.h"
#include "workspace/list_mirror.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

using Lines = std::vector<std::string>;
using Kind = ReportEntry::Kind;

// A4 with 10 mm margins at the sizes the renderer measures for its fonts, rounded.
constexpr PageMetrics A4{
    .width = 538, .height = 797, .titleLine = 24, .line = 14, .textLine = 11.5, .charWidth = 6};
const ReportTexts English =
    ReportTextsFor(1, {"Company", "Technician", "Ticket/Order", "Comments"});

TEST(TextLines, SplitsAtEveryLineEndAndExpandsTabs) {
    const std::pair<std::string, Lines> cases[] = {{"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
                                                   {"A\r\n\r\nB\r\n", {"A", "", "B"}},
                                                   {"", {}},
                                                   {"\r\n", {""}},
                                                   {"a\tb\t", {"a       b       "}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(TextLines(text, 80), lines) << text;
}

ReportEntry Text(const std::string& text) {
    return {Kind::Text, "RECORD:  x", text, {}};
}
ReportEntry Screen(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "LEVEL " + std::to_string(i) + "\r\n";
    return Text(text);
}
ReportEntry Picture(int width, int height) {
    return {Kind::Picture, "GRAPH:    x", {}, {{}, width, height}};
}

ReportDocument Report(std::vector<ReportEntry> records) {
    return {"R", {"Acme", "J. Smith", "4711", "site B"}, "", "", "", std::move(records)};
}

// Every block lies within the part of its page above the number, no page is empty or ends in
// a heading, and each page is numbered "Page n of m".
void ExpectSoundPages(const std::vector<LayoutBlock>& blocks, const PageMetrics& m) {
    const int count = PageCount(blocks);
    int numbered = 0;
    const LayoutBlock* last = nullptr; // of the page being filled
    for (const LayoutBlock& block : blocks) {
        if (block.kind == BlockKind::PageNumber) {
            ASSERT_NE(last, nullptr) << "page " << numbered + 1 << " is empty";
            EXPECT_NE(last->kind, BlockKind::Heading) << "page " << numbered + 1;
            EXPECT_EQ(block.text,
                      "Page " + std::to_string(++numbered) + " of " + std::to_string(count));
            last = nullptr;
        } else if (block.kind != BlockKind::PageBreak) {
            EXPECT_LE(block.y + block.height, m.height - m.line + 1e-9) << block.text;
            EXPECT_LE(block.x + block.width, m.width + 1e-9);
            last = &block;
        }
    }
    EXPECT_EQ(numbered, count);
}

TEST(ReportLayout, PagesHoldWholePicturesAndNumberEveryPage) {
    std::vector<ReportEntry> full(25, Screen(24));
    full.insert(full.end(), 25, Picture(537, 1000));
    const std::tuple<const char*, std::vector<ReportEntry>, int> cases[] = {
        {"no record", {}, 1},
        {"a short screen under the header", {Screen(20)}, 1},
        // 28 + 14*7 header, then 14 + 11.5 per line: 60 lines overflow the 769 points.
        {"a long screen runs on", {Screen(60)}, 2},
        {"a graph at full size goes below the header only when it fits", {Picture(537, 1000)}, 2},
        {"graphs never share a page", {Picture(537, 1000), Picture(537, 1000)}, 3},
        {"the full report: 25 screens of 24 lines, then 25 graphs", full, 11 + 25}};
    for (const auto& [what, records, pages] : cases) {
        SCOPED_TRACE(what);
        const std::vector<LayoutBlock> blocks = LayoutReport(Report(records), English, A4);
        EXPECT_EQ(PageCount(blocks), pages);
        ExpectSoundPages(blocks, A4);
    }
}

// However narrow the page, wrapping neither loses nor reorders a byte of a record's text.
TEST(ReportLayout, WrapsTextAtAnyWidthKeepingEveryByteInOrder) {
    std::string all, bytes; // every byte but the line ends and TAB, in lines of 100
    for (int c = 0x20; c < 0x100; ++c) {
        bytes += static_cast<char>(c);
        all += bytes.back() + std::string(c % 100 == 0 ? "\r\n" : "");
    }
    for (int columns = 1; columns <= 90; ++columns) {
        PageMetrics narrow = A4;
        narrow.width = columns * A4.charWidth;
        std::string printed;
        for (const LayoutBlock& block : LayoutReport(Report({Text(all)}), English, narrow)) {
            if (block.kind != BlockKind::TextLine)
                continue;
            EXPECT_LE(block.text.size(), columns + 0u) << block.text;
            printed += block.text;
        }
        EXPECT_EQ(printed, bytes) << columns << " columns";
    }
}

TEST(ReportLayout, PicturesKeepThePrintScaleUnlessAPageCannotHoldThem) {
    const std::tuple<int, int, double, double> cases[] = {
        {537, 1000, 402.75, 750},             // 96 dots per inch
        {100, 10, 75, 7.5},                   //
        {1000, 100, 538, 53.8},               // too wide: scaled to the page's width
        {537, 2000, 755 * 537 / 2000.0, 755}, // too tall: to the page below its heading
    };
    for (const auto& [width, height, paperWidth, paperHeight] : cases) {
        const std::vector<LayoutBlock> blocks =
            LayoutReport(Report({Picture(width, height)}), English, A4);
        const auto picture = std::find_if(blocks.begin(), blocks.end(), [](const auto& b) {
            return b.kind == BlockKind::Picture;
        });
        ASSERT_NE(picture, blocks.end());
        EXPECT_NEAR(picture->width, paperWidth, 1e-6) << width << "x" << height;
        EXPECT_NEAR(picture->height, paperHeight, 1e-6) << width << "x" << height;
        EXPECT_EQ(picture->record, 0);
    }
}

// Live records in list order under the header, each field under its label, a value of many
// lines on as many lines, a graph whose document cannot be read noted as such.
TEST(ReportDocument, ShowsTheHeaderAndTheLiveRecordsInListOrderInTheChosenLanguage) {
    testing::TempDir dir;
    DiskFileSystem files;
    Workspace ws;
    ws.ReportCount = 1;
    ws.ReportState[1] = ReportClosed;
    ws.ReportName[1] = "Site \xc4";
    ws.ReportField[1] = {"", "Acme", "J. Smith", "4711", "line one\r\nline two"};
    const std::string good = (dir.path() / "12052026-040112AM.doc").string();
    files.Write(good, MakePictureDocument(testing::SamplePng()));
    const std::tuple<std::int16_t, const char*, const char*, std::string> records[] = {
        {KindRecord, "   RECORD:  12052026-035651AM ", "A\r\nB", "/x/12052026-035651AM.txt"},
        {KindDeleted, "   RECORD:  12052026-035652AM", "gone", "/x/12052026-035652AM.txt"},
        {KindGraph, "   GRAPH:    12052026-040111AM", "", "/x/12052026-040111AM.doc"},
        {KindGraph, "   GRAPH:    12052026-040112AM", "", good}};
    for (const auto& [kind, label, text, path] : records) {
        const int n = ++ws.RecordCount[1];
        ws.RecordType[1][n] = kind;
        ws.RecordLabel[1][n] = label;
        ws.RecordText[1][n] = text;
        ws.RecordPath[1][n] = path;
    }

    const ReportDocument doc = BuildReportDocument(ws, 1, files, "Orvane VeskM/Vesk");
    ASSERT_EQ(doc.records.size(), 3u) << "the deleted record is left out";
    EXPECT_EQ(doc.records[2].picture.png, testing::SamplePng().png);
    std::string shown;
    for (const LayoutBlock& block :
         LayoutReport(doc, ReportTextsFor(2, {"Firma", "Techniker", "Auftrag", "Kommentar"}), A4))
        shown += block.text + "|";
    EXPECT_EQ(shown, "Site \xc4|Firma:|Acme|Techniker:|J. Smith|Auftrag:|4711|Kommentar:|line one|"
                     "line two|Testger\xe4t:|Orvane VeskM/Vesk|Erster Datensatz:|12052026-035651AM|"
                     "Letzter Datensatz:|12052026-040112AM|RECORD:  12052026-035651AM|A|B|"
                     "GRAPH:    12052026-040111AM|"
                     "Die Datei dieses Datensatzes fehlt oder ist nicht lesbar.|"
                     "GRAPH:    12052026-040112AM||Seite 1 von 1|");
}

TEST(ReportDocument, ActsOnTheLinesReportElseTheNewestAndNamesItsFile) {
    Workspace ws;
    WindowState win;
    for (std::int16_t r = 1; r <= 3; ++r) {
        ws.ReportCount = r;
        ws.ReportState[r] = ReportClosed;
        AppendListLine(ws, win, "R" + std::to_string(r), r, 0);
    }
    ws.ListReport[2] = 2;
    ws.ListRecord[2] = 4; // a record line of report 2
    ws.ReportState[3] = ReportFree;
    for (const auto& [line, report] : {std::pair{0, 1}, {2, 2}, {-1, 2}, {3, 2}})
        EXPECT_EQ(ReportOfLine(ws, line), report) << line;
    EXPECT_EQ(ReportOfLine(Workspace{}, 0), 0);

    const std::pair<const char*, const char*> names[] = {
        {"WORKSPACE_12052026-034512AM", "WORKSPACE_12052026-034512AM.pdf"},
        {"a/b\\c:d*?\"<>|", "a_b_c_d______.pdf"},
        {"Site \xc4", "Site \xc4.pdf"},
        {"", "report.pdf"},
        {"..", "report...pdf"}};
    for (const auto& [name, file] : names)
        EXPECT_EQ(ReportPdfFileName(name), file);
}

} // namespace
} // namespace orvane
