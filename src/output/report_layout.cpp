#include "output/report_layout.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int TabColumns = 8;
constexpr double PointsPerDot = 72.0 / 96.0;
// Where the field values start, right of their labels.
constexpr double LabelColumn = 120;

LayoutBlock Block(BlockKind kind, double x, double y, double width, double height,
                  std::string text = {}, int record = -1) {
    return LayoutBlock{kind, x, y, width, height, std::move(text), record};
}

// Fills pages from the top and breaks to a new one when a block of a given height does not
// fit in what is left; the bottom of each page is kept for its number.
class Pages {
  public:
    Pages(const PageMetrics& metrics, std::vector<LayoutBlock>& blocks)
        : blocks_(blocks), room_(metrics.height - 2 * metrics.line) {}

    double Room() const { return room_; }

    // Starts a new page unless `height` still fits on this one or the page is empty.
    void Keep(double height) {
        if (y_ > 0 && y_ + height > room_) {
            blocks_.push_back(Block(BlockKind::PageBreak, 0, 0, 0, 0));
            y_ = 0;
        }
    }
    void Add(BlockKind kind, double x, double height, std::string text = {}) {
        Keep(height);
        blocks_.push_back(Block(kind, x, y_, 0, height, std::move(text)));
        y_ += height;
    }
    void AddPicture(double width, double height, int record) {
        Keep(height);
        blocks_.push_back(Block(BlockKind::Picture, 0, y_, width, height, {}, record));
        y_ += height;
    }
    // Space between blocks; none at the top of a page.
    void Skip(double height) {
        if (y_ > 0)
            y_ = std::min(y_ + height, room_);
    }

  private:
    std::vector<LayoutBlock>& blocks_;
    double room_;
    double y_ = 0;
};

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string ExpandTabs(std::string_view line) {
    std::string expanded;
    for (const char c : line) {
        if (c == '\t')
            expanded.append(TabColumns - expanded.size() % TabColumns, ' ');
        else
            expanded += c;
    }
    return expanded;
}

void AddField(Pages& pages, const PageMetrics& metrics, const std::string& label,
              std::string_view value) {
    // Values are set in the fixed-pitch font, so that long ones wrap like record text.
    const int columns = static_cast<int>((metrics.width - LabelColumn) / metrics.charWidth);
    std::vector<std::string> lines = TextLines(value, columns);
    if (lines.empty())
        lines.emplace_back();
    pages.Keep(metrics.line);
    pages.Add(BlockKind::Label, 0, 0, label + ":");
    for (std::string& line : lines)
        pages.Add(BlockKind::Field, LabelColumn, metrics.line, std::move(line));
}

void AddHeader(Pages& pages, const ReportDocument& doc, const ReportTexts& texts,
               const PageMetrics& metrics) {
    pages.Add(BlockKind::Title, 0, metrics.titleLine, doc.name);
    pages.Skip(metrics.line / 2);
    for (int f = 0; f < HeaderFields; ++f)
        AddField(pages, metrics, texts.headerLabels[f], doc.fields[f]);
    AddField(pages, metrics, texts.family, doc.family);
    AddField(pages, metrics, texts.firstRecord, doc.firstStamp);
    AddField(pages, metrics, texts.lastRecord, doc.lastStamp);
}

void AddPictureRecord(Pages& pages, const ReportEntry& entry, int record,
                      const PageMetrics& metrics) {
    double width = entry.picture.width * PointsPerDot;
    double height = entry.picture.height * PointsPerDot;
    // As the Print command does: smaller only where the picture would not fit at all.
    const double room = pages.Room() - metrics.line;
    const double scale = std::min({1.0, metrics.width / width, room / height});
    width *= scale;
    height *= scale;
    pages.Keep(metrics.line + height);
    pages.Add(BlockKind::Heading, 0, metrics.line, entry.heading);
    pages.AddPicture(width, height, record);
}

void AddRecord(Pages& pages, const ReportEntry& entry, int record, const PageMetrics& metrics,
               const std::string& unreadable) {
    switch (entry.kind) {
    case ReportEntry::Kind::Picture:
        AddPictureRecord(pages, entry, record, metrics);
        return;
    case ReportEntry::Kind::Text: {
        const int columns = std::max(1, static_cast<int>(metrics.width / metrics.charWidth));
        const std::vector<std::string> lines = TextLines(entry.text, columns);
        // A heading never ends a page: its first line goes with it.
        pages.Keep(metrics.line + (lines.empty() ? 0 : metrics.textLine));
        pages.Add(BlockKind::Heading, 0, metrics.line, entry.heading);
        for (const std::string& line : lines)
            pages.Add(BlockKind::TextLine, 0, metrics.textLine, line);
        return;
    }
    case ReportEntry::Kind::Unreadable:
        pages.Keep(2 * metrics.line);
        pages.Add(BlockKind::Heading, 0, metrics.line, entry.heading);
        pages.Add(BlockKind::Note, 0, metrics.line, unreadable);
        return;
    }
}

void NumberPages(std::vector<LayoutBlock>& blocks, const ReportTexts& texts,
                 const PageMetrics& metrics) {
    const std::string total = std::to_string(PageCount(blocks));
    std::vector<LayoutBlock> numbered;
    int page = 1;
    const auto number = [&] {
        numbered.push_back(Block(
            BlockKind::PageNumber, 0, metrics.height - metrics.line, metrics.width, metrics.line,
            texts.page + " " + std::to_string(page) + " " + texts.of + " " + total));
    };
    for (LayoutBlock& block : blocks) {
        if (block.kind == BlockKind::PageBreak) {
            number();
            ++page;
        }
        numbered.push_back(std::move(block));
    }
    number();
    blocks = std::move(numbered);
}

} // namespace

ReportTexts ReportTextsFor(std::int16_t language,
                           const std::array<std::string_view, HeaderFields>& headerLabels) {
    ReportTexts texts;
    for (int f = 0; f < HeaderFields; ++f)
        texts.headerLabels[f] = headerLabels[f];
    if (language == 2) {
        texts.family = "Testger\xe4t";
        texts.firstRecord = "Erster Datensatz";
        texts.lastRecord = "Letzter Datensatz";
        texts.unreadable = "Die Datei dieses Datensatzes fehlt oder ist nicht lesbar.";
        texts.page = "Seite";
        texts.of = "von";
    } else {
        texts.family = "Test set";
        texts.firstRecord = "First record";
        texts.lastRecord = "Last record";
        texts.unreadable = "The file of this record is missing or cannot be read.";
        texts.page = "Page";
        texts.of = "of";
    }
    return texts;
}

std::vector<std::string> TextLines(std::string_view text, int columns) {
    const auto width = static_cast<std::size_t>(std::max(1, columns));
    std::vector<std::string> printed;
    for (const std::string& line : SplitLines(text)) {
        const std::string expanded = ExpandTabs(line);
        printed.push_back(expanded.substr(0, width));
        for (std::size_t at = width; at < expanded.size(); at += width)
            printed.push_back(expanded.substr(at, width));
    }
    return printed;
}

std::vector<LayoutBlock> LayoutReport(const ReportDocument& doc, const ReportTexts& texts,
                                      const PageMetrics& metrics) {
    std::vector<LayoutBlock> blocks;
    Pages pages(metrics, blocks);
    AddHeader(pages, doc, texts, metrics);
    for (std::size_t i = 0; i < doc.records.size(); ++i) {
        pages.Skip(metrics.line);
        AddRecord(pages, doc.records[i], static_cast<int>(i), metrics, texts.unreadable);
    }
    NumberPages(blocks, texts, metrics);
    return blocks;
}

int PageCount(const std::vector<LayoutBlock>& blocks) {
    return 1 + static_cast<int>(std::count_if(blocks.begin(), blocks.end(), [](const auto& b) {
               return b.kind == BlockKind::PageBreak;
           }));
}

} // namespace orvane
