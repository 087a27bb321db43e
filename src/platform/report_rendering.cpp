#include "platform/report_rendering.h"

#include "platform/cp1252.h"
#include "platform/png_codec.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <vector>

namespace orvane {
namespace {

constexpr double PointsPerInch = 72.0;
// Room for the page number at the bottom; the rest of the page is the report's.
const QMarginsF PdfMargins(10, 10, 10, 6);

// Pixel sizes, so that under a painter scaled to points they are sizes in points.
QFont ReportFont(const QString& family, QFont::StyleHint hint, int points, bool bold = false,
                 bool italic = false) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

struct Fonts {
    QFont title = ReportFont(QStringLiteral("Arial"), QFont::SansSerif, 14, true);
    QFont label = ReportFont(QStringLiteral("Arial"), QFont::SansSerif, 10, true);
    QFont body = ReportFont(QStringLiteral("Arial"), QFont::SansSerif, 10);
    QFont note = ReportFont(QStringLiteral("Arial"), QFont::SansSerif, 10, false, true);
    // The Print command's font and size.
    QFont text = [] {
        QFont font = ReportFont(QStringLiteral("Courier New"), QFont::TypeWriter, 10);
        font.setFixedPitch(true);
        return font;
    }();

    const QFont& Of(BlockKind kind) const {
        switch (kind) {
        case BlockKind::Title:
            return title;
        case BlockKind::Label:
        case BlockKind::Heading:
            return label;
        case BlockKind::Field:
        case BlockKind::TextLine:
            return text;
        case BlockKind::Note:
            return note;
        default:
            return body;
        }
    }
};

PageMetrics Measure(const QPagedPaintDevice& device, const Fonts& fonts) {
    const QFontMetricsF title(fonts.title), body(fonts.body), text(fonts.text);
    PageMetrics metrics;
    metrics.width = device.width() * PointsPerInch / device.logicalDpiX();
    metrics.height = device.height() * PointsPerInch / device.logicalDpiY();
    metrics.titleLine = title.lineSpacing() * 1.5;
    metrics.line = body.lineSpacing() * 1.2;
    metrics.textLine = text.lineSpacing();
    metrics.charWidth = text.horizontalAdvance(QLatin1Char('W'));
    return metrics;
}

std::vector<QImage> PicturesOf(const ReportDocument& doc) {
    std::vector<QImage> pictures(doc.records.size());
    for (std::size_t i = 0; i < doc.records.size(); ++i)
        if (doc.records[i].kind == ReportEntry::Kind::Picture)
            if (std::optional<QImage> image = DecodePng(doc.records[i].picture.png))
                pictures[i] = OneBitPicture(*image);
    return pictures;
}

void Draw(QPainter& painter, const LayoutBlock& block, const Fonts& fonts,
          const std::vector<QImage>& pictures) {
    if (block.kind == BlockKind::Picture) {
        const QImage& picture = pictures.at(static_cast<std::size_t>(block.record));
        painter.drawImage(QRectF(block.x, block.y, block.width, block.height), picture);
        return;
    }
    const QFont& font = fonts.Of(block.kind);
    painter.setFont(font);
    const QString text = FromCp1252(block.text);
    if (block.kind == BlockKind::PageNumber) {
        painter.drawText(QRectF(block.x, block.y, block.width, block.height),
                         Qt::AlignHCenter | Qt::AlignBottom, text);
        return;
    }
    painter.drawText(QPointF(block.x, block.y + QFontMetricsF(font).ascent()), text);
}

} // namespace

QPageSize LocalePageSize(const QLocale& locale) {
    static constexpr std::array LetterTerritories{
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela, QLocale::Philippines, QLocale::PuertoRico};
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        std::find(LetterTerritories.begin(), LetterTerritories.end(),
                                  locale.territory()) != LetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

bool RenderReport(QPagedPaintDevice& device, const ReportDocument& doc, const ReportTexts& texts) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / PointsPerInch, device.logicalDpiY() / PointsPerInch);
    // Dots stay dots: no smoothing between them, whatever the scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const Fonts fonts;
    const std::vector<QImage> pictures = PicturesOf(doc);
    for (const LayoutBlock& block : LayoutReport(doc, texts, Measure(device, fonts))) {
        if (block.kind != BlockKind::PageBreak)
            Draw(painter, block, fonts, pictures);
        else if (!device.newPage())
            return false;
    }
    return painter.end();
}

bool WriteReportPdf(const QString& path, const ReportDocument& doc, const ReportTexts& texts,
                    const QPageSize& paper) {
    QPdfWriter writer(path);
    writer.setTitle(FromCp1252(doc.name));
    writer.setCreator(QStringLiteral("Orvane Reporter"));
    writer.setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait, PdfMargins, QPageLayout::Millimeter));
    return RenderReport(writer, doc, texts);
}

QImage OneBitPicture(const QImage& picture) {
    QImage dots = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
    // Index 0 black, 1 white, as the PDF writer wants a picture it stores as 1-bit dots
    // rather than as colour pixels.
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    if (dots.colorCount() == 2 && dots.color(0) == white && dots.color(1) == black)
        dots.invertPixels();
    dots.setColorTable({black, white});
    return dots;
}

bool WritePicturePng(const QImage& picture, const QString& path) {
    return OneBitPicture(picture).save(path, "PNG");
}

} // namespace orvane
