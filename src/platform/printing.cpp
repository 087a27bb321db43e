#include "platform/printing.h"

#include "output/output_messages.h"
#include "output/report_layout.h"
#include "platform/cp1252.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#include <cmath>

namespace orvane {
namespace {

QFont PrintFont() {
    QFont font(QStringLiteral("Courier New"), TextPointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// With nothing to print no job is started, so the printer itself is checked: a file to write
// or a printer the system knows.
bool PrinterIsThere(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

bool JobSucceeded(QPainter& painter, const QPrinter& printer) {
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

QStringList PrintLines(std::string_view text, int columns) {
    // One byte is one character, so the report's own wrapping holds for the printer too.
    QStringList printed;
    for (const std::string& line : TextLines(text, columns))
        printed << FromCp1252(line);
    return printed;
}

bool PrintPicture(QPrinter& printer, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dotsPerInch = printer.resolution();
    const double offset = PictureOffsetTwips * dotsPerInch / 1440.0;
    QSizeF size = QSizeF(picture.size()) * (dotsPerInch / PicturePixelsPerInch);
    const QSizeF room = QSizeF(painter.viewport().size()) - QSizeF(offset, offset);
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF(offset, offset), size), picture);
    return JobSucceeded(painter, printer);
}

bool PrintText(QPrinter& printer, std::string_view text) {
    if (PrintLines(text, 1).isEmpty())
        return true;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(PrintFont());
    const QFontMetricsF metrics = painter.fontMetrics();
    const QRect page = painter.viewport();
    const int columns =
        static_cast<int>(page.width() / metrics.horizontalAdvance(QLatin1Char('W')));
    const double lineHeight = metrics.lineSpacing();
    double y = 0;
    for (const QString& line : PrintLines(text, columns)) {
        if (y > 0 && y + lineHeight > page.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += lineHeight;
    }
    return JobSucceeded(painter, printer);
}

void PrintShownRecord(QPrinter& printer, const WindowState& win, const QImage& imgTemp,
                      Dialogs& dialogs) {
    bool printed = printer.isValid();
    if (printed) {
        if (win.imgScreenVisible)
            printed = PrintPicture(printer, imgTemp);
        else if (win.Text1.visible)
            printed = PrintText(printer, win.Text1.text);
        else if (win.Text2.visible)
            printed = PrintText(printer, win.Text2.text);
        else
            printed = PrinterIsThere(printer);
    }
    if (!printed)
        dialogs.Message(PrinterMessage);
}

} // namespace orvane

namespace orvane {

PaperSize LocalePaper() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    const QSizeF size = QPageSize(letter ? QPageSize::Letter : QPageSize::A4)
                            .definitionSize(); // Letter in inches, A4 in millimetres
    const double twipsPerUnit = letter ? 1440.0 : 1440.0 / 25.4;
    return {static_cast<int>(std::lround(size.width() * twipsPerUnit)),
            static_cast<int>(std::lround(size.height() * twipsPerUnit))};
}

} // namespace orvane
