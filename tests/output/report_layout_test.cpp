// The pages of a report's document: what goes where, decided without drawing anything.

#include "output/report_document.h"
#include "output/report_layout.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(TextLines("A\r\nB\nC\rD\r\n\r\na\tb\t\r\n", 80),
              (Lines{"A", "B", "C", "D", "", "a       b       "}));
    EXPECT_EQ(TextLines("\r\n", 80), Lines{""});
    EXPECT_EQ(TextLines("", 80), Lines{});
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

// A report's name never leads its PDF out of the chosen folder nor to a hidden or empty name.
TEST(ReportPdfFileName, ReplacesWhatNoFileNameMayHold) {
    std::string files;
    for (const char* name : {"a/b\\c:d*?\"<>|\x01", "Site \xc4", "", ".."})
        files += ReportPdfFileName(name) + "|";
    EXPECT_EQ(files, "a_b_c_d_______.pdf|Site \xc4.pdf|report.pdf|report...pdf|");
}

} // namespace
} // namespace orvane
