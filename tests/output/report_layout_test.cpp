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

// A4 with 10 mm margins at the sizes the renderer measures for its fonts, rounded.
constexpr PageMetrics A4{
    .width = 538, .height = 797, .titleLine = 24, .line = 14, .textLine = 11.5, .charWidth = 6};
const ReportTexts English =
    ReportTextsFor(1, {"Company", "Technician", "Ticket/Order", "Comments"});

TEST(TextLines, SplitsAtEveryLineEndExpandsTabsAndWrapsLongLines) {
    const struct {
        std::string text;
        int columns;
        Lines lines;
    } cases[] = {
        {"A\r\nB\nC\rD", 80, {"A", "B", "C", "D"}},
        {"A\r\n\r\nB\r\n", 80, {"A", "", "B"}},
        {"", 80, {}},
        {"\r\n", 80, {""}},
        {"abcdefgh", 3, {"abc", "def", "gh"}},
        {"a\tb\t", 80, {"a       b       "}},
        {"\xe9t\xe9\xb0", 80, {"\xe9t\xe9\xb0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextLines(c.text, c.columns), c.lines) << c.text;
}

ReportEntry Text(int lines) {
    ReportEntry entry{
        .kind = ReportEntry::Kind::Text, .heading = "RECORD:  x", .text = {}, .picture = {}};
    for (int i = 0; i < lines; ++i)
        entry.text += "LEVEL " + std::to_string(i) + "\r\n";
    return entry;
}

ReportEntry Picture(int width, int height) {
    return {.kind = ReportEntry::Kind::Picture,
            .heading = "GRAPH:    x",
            .text = {},
            .picture = {.png = {}, .width = width, .height = height}};
}

ReportDocument Report(std::vector<ReportEntry> records) {
    ReportDocument doc;
    doc.name = "WORKSPACE_12052026-034512AM";
    doc.fields = {"Acme", "J. Smith", "4711", "site B"};
    doc.records = std::move(records);
    return doc;
}

// The blocks of each page, page breaks and numbers left out.
std::vector<std::vector<LayoutBlock>> Pages(const std::vector<LayoutBlock>& blocks) {
    std::vector<std::vector<LayoutBlock>> pages(1);
    for (const LayoutBlock& block : blocks) {
        if (block.kind == BlockKind::PageBreak)
            pages.emplace_back();
        else if (block.kind != BlockKind::PageNumber)
            pages.back().push_back(block);
    }
    return pages;
}

// Every page holds its blocks within the part above its number, a heading is never the last
// block of a page, and each page is numbered "Page n of m".
void ExpectSoundPages(const std::vector<LayoutBlock>& blocks, const PageMetrics& m,
                      const ReportTexts& texts) {
    const int count = PageCount(blocks);
    int page = 0;
    for (const auto& blocksOfPage : Pages(blocks)) {
        ++page;
        ASSERT_FALSE(blocksOfPage.empty()) << "no empty page";
        for (const LayoutBlock& block : blocksOfPage) {
            EXPECT_GE(block.y, 0);
            EXPECT_LE(block.y + block.height, m.height - m.line + 1e-9) << block.text;
            EXPECT_LE(block.x + block.width, m.width + 1e-9);
        }
        EXPECT_NE(blocksOfPage.back().kind, BlockKind::Heading) << "page " << page;
    }
    Lines numbers;
    for (const LayoutBlock& block : blocks)
        if (block.kind == BlockKind::PageNumber)
            numbers.push_back(block.text);
    Lines expected;
    for (int n = 1; n <= count; ++n)
        expected.push_back(texts.page + " " + std::to_string(n) + " " + texts.of + " " +
                           std::to_string(count));
    EXPECT_EQ(numbers, expected);
}

TEST(ReportLayout, PagesHoldWholePicturesAndNumberEveryPage) {
    const struct {
        const char* what;
        std::vector<ReportEntry> records;
        int pages;
    } cases[] = {
        {"no record", {}, 1},
        {"a short screen under the header", {Text(20)}, 1},
        // 28 + 14*7 header, then 14 + 11.5 per line: 60 lines overflow the 769 points.
        {"a long screen runs on", {Text(60)}, 2},
        {"a graph at full size goes below the header only when it fits", {Picture(537, 1000)}, 2},
        {"graphs never share a page", {Picture(537, 1000), Picture(537, 1000)}, 3},
        {"the full report: 25 screens of 24 lines, then 25 graphs",
         [] {
             std::vector<ReportEntry> records(25, Text(24));
             records.insert(records.end(), 25, Picture(537, 1000));
             return records;
         }(),
         11 + 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<LayoutBlock> blocks = LayoutReport(Report(c.records), English, A4);
        EXPECT_EQ(PageCount(blocks), c.pages);
        ExpectSoundPages(blocks, A4, English);
    }
}

TEST(ReportLayout, PicturesKeepThePrintScaleUnlessAPageCannotHoldThem) {
    const struct {
        int width, height;
        double paperWidth, paperHeight;
    } cases[] = {
        {537, 1000, 402.75, 750},             // 96 dots per inch
        {100, 10, 75, 7.5},                   //
        {1000, 100, 538, 53.8},               // too wide: scaled to the page's width
        {537, 2000, 755 * 537 / 2000.0, 755}, // too tall: to the page below its heading
    };
    for (const auto& c : cases) {
        const std::vector<LayoutBlock> blocks =
            LayoutReport(Report({Picture(c.width, c.height)}), English, A4);
        const auto picture = std::find_if(blocks.begin(), blocks.end(), [](const auto& b) {
            return b.kind == BlockKind::Picture;
        });
        ASSERT_NE(picture, blocks.end());
        EXPECT_NEAR(picture->width, c.paperWidth, 1e-6) << c.width << "x" << c.height;
        EXPECT_NEAR(picture->height, c.paperHeight, 1e-6) << c.width << "x" << c.height;
        EXPECT_EQ(picture->record, 0);
    }
}

TEST(ReportLayout, HeaderShowsEveryFieldUnderItsLabelInTheChosenLanguage) {
    ReportDocument doc = Report({Text(1),
                                 {.kind = ReportEntry::Kind::Unreadable,
                                  .heading = "GRAPH:    y",
                                  .text = {},
                                  .picture = {}}});
    doc.fields[3] = "line one\r\nline two";
    doc.family = "Orvane VeskM/Vesk";
    doc.firstStamp = "12052026-035651AM";
    doc.lastStamp = "12052026-040112AM";
    for (const std::int16_t language : {std::int16_t{1}, std::int16_t{2}}) {
        const ReportTexts texts =
            ReportTextsFor(language, {"Firma", "Techniker", "Auftrag", "Kommentar"});
        Lines shown;
        for (const LayoutBlock& block : LayoutReport(doc, texts, A4))
            if (block.kind != BlockKind::PageNumber)
                shown.push_back(block.text);
        const Lines expected{doc.name,
                             "Firma:",
                             "Acme",
                             "Techniker:",
                             "J. Smith",
                             "Auftrag:",
                             "4711",
                             "Kommentar:",
                             "line one",
                             "line two",
                             texts.family + ":",
                             doc.family,
                             texts.firstRecord + ":",
                             doc.firstStamp,
                             texts.lastRecord + ":",
                             doc.lastStamp,
                             "RECORD:  x",
                             "LEVEL 0",
                             "GRAPH:    y",
                             texts.unreadable};
        EXPECT_EQ(shown, expected);
    }
    EXPECT_EQ(ReportTextsFor(2, {}).page, "Seite");
    EXPECT_EQ(ReportTextsFor(2, {}).of, "von");
}

TEST(ReportDocument, TakesLiveRecordsInListOrderWithTheirStampsAndReadsPictures) {
    testing::TempDir dir;
    DiskFileSystem files;
    Workspace ws;
    WindowState win;
    ws.ReportCount = 1;
    ws.ReportState[1] = ReportClosed;
    ws.ReportName[1] = "Site \xc4";
    ws.ReportField[1] = {"", "Acme", "J. Smith", "4711", ""};
    const std::string good = (dir.path() / "12052026-040112AM.doc").string();
    files.Write(good, MakePictureDocument(testing::SamplePng()));
    const struct {
        std::int16_t kind;
        std::string label, text, path;
    } records[] = {
        {KindRecord, "   RECORD:  12052026-035651AM ", "A\r\nB", "/x/12052026-035651AM.txt"},
        {KindDeleted, "   RECORD:  12052026-035652AM", "gone", "/x/12052026-035652AM.txt"},
        {KindGraph, "   GRAPH:    12052026-040111AM", "", "/x/12052026-040111AM.doc"},
        {KindGraph, "   GRAPH:    12052026-040112AM", "", good},
    };
    for (const auto& r : records) {
        const int n = ++ws.RecordCount[1];
        ws.RecordType[1][n] = r.kind;
        ws.RecordLabel[1][n] = r.label;
        ws.RecordText[1][n] = r.text;
        ws.RecordPath[1][n] = r.path;
    }

    const ReportDocument doc = BuildReportDocument(ws, 1, files, "Orvane VeskM/Vesk");

    EXPECT_EQ(doc.name, "Site \xc4");
    EXPECT_EQ(doc.fields, (std::array<std::string, 4>{"Acme", "J. Smith", "4711", ""}));
    EXPECT_EQ(doc.firstStamp, "12052026-035651AM");
    EXPECT_EQ(doc.lastStamp, "12052026-040112AM");
    ASSERT_EQ(doc.records.size(), 3u) << "the deleted record is left out";
    EXPECT_EQ(doc.records[0].heading, "RECORD:  12052026-035651AM");
    EXPECT_EQ(doc.records[0].text, "A\r\nB");
    EXPECT_EQ(doc.records[1].kind, ReportEntry::Kind::Unreadable) << "its document is missing";
    EXPECT_EQ(doc.records[2].kind, ReportEntry::Kind::Picture);
    EXPECT_EQ(doc.records[2].picture.png, testing::SamplePng().png);
}

TEST(ReportDocument, ActsOnTheLinesReportElseTheNewestAndNamesItsFile) {
    Workspace ws;
    WindowState win;
    for (int r = 1; r <= 3; ++r) {
        ws.ReportCount = static_cast<std::int16_t>(r);
        ws.ReportState[r] = ReportClosed;
        AppendListLine(ws, win, "R" + std::to_string(r), static_cast<std::int16_t>(r), 0);
    }
    ws.ListReport[2] = 2;
    ws.ListRecord[2] = 4; // a record line of report 2
    ws.ReportState[3] = ReportFree;
    const struct { int line, report; } cases[] = {{0, 1}, {2, 2}, {-1, 2}, {3, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportOfLine(ws, c.line), c.report) << c.line;
    EXPECT_EQ(ReportOfLine(Workspace{}, 0), 0);

    const struct {
        std::string name, file;
    } names[] = {{"WORKSPACE_12052026-034512AM", "WORKSPACE_12052026-034512AM.pdf"},
                 {"a/b\\c:d*?\"<>|", "a_b_c_d______.pdf"},
                 {"Site \xc4", "Site \xc4.pdf"},
                 {"", "report.pdf"},
                 {"..", "report...pdf"}};
    for (const auto& n : names)
        EXPECT_EQ(ReportPdfFileName(n.name), n.file);
}

} // namespace
} // namespace orvane
