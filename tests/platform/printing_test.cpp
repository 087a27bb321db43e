// File > Print and a report's document, printed into PDF files that Poppler's tools read back.

#include "platform/cp1252.h"
#include "platform/png_codec.h"
#include "platform/printing.h"
#include "platform/report_rendering.h"
#include "support/fakes.h"
#include "support/poppler.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QFile>

namespace orvane {
namespace {

bool SameDots(const QImage& a, const QImage& b) {
    bool same = a.size() == b.size();
    for (int y = 0; same && y < a.height(); ++y)
        for (int x = 0; same && x < a.width(); ++x)
            same = (qGray(a.pixel(x, y)) < 128) == (qGray(b.pixel(x, y)) < 128);
    return same;
}

class PrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    void SetUp() override {
        if (!testing::HasPoppler())
            GTEST_SKIP() << "poppler tools are not installed";
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    // Prints what the window shows: the picture when there is one, else Text1.
    void Print(const std::string& text, const QImage& picture = {}) {
        WindowState win;
        win.Text1.Set(text);
        win.imgScreenVisible = !picture.isNull();
        PrintShownRecord(printer, win, picture, dialogs);
    }

    testing::TempDir dir;
    QString pdf = QString::fromStdString((dir.path() / "job.pdf").string());
    QPrinter printer{QPrinter::HighResolution};
    testing::FakeDialogs dialogs;
};

// Text lines in Windows-1252, wrapped at the page's width, none lost at a page break.
TEST_F(PrintTest, PrintsTextOnAsManyPagesAsItNeedsWrappingWideLines) {
    std::string wide, text;
    for (int i = 0; i < 30; ++i)
        wide += "ABCDEFGHI" + std::to_string(i % 10);
    for (int i = 1; i <= 200; ++i)
        text += "LINE " + std::to_string(i) + "  LEVEL -12.5 dB \xb1\r\n";
    Print(wide + "\r\n" + text);
    const QStringList pages = testing::PdfPages(pdf);
    ASSERT_TRUE(pages.size() >= 3 && pages.size() <= 5)
        << pages.size() << ": 200 lines of 10 pt need three A4 pages";
    QString wrapped = pages.front().left(pages.front().indexOf(QLatin1String("LINE 1")));
    EXPECT_GE(wrapped.count(QLatin1Char('\n')), 3) << "300 characters need several lines";
    EXPECT_EQ(wrapped.remove(QRegularExpression(QStringLiteral("\\s"))),
              QString::fromStdString(wide));
    const QString all = pages.join(QLatin1Char('\n'));
    qsizetype at = 0;
    for (int i = 1; i <= 200; ++i) {
        at = all.indexOf(
            QRegularExpression(QStringLiteral("LINE %1\\s+LEVEL -12\\.5 dB \u00b1").arg(i)), at);
        ASSERT_GE(at++, 0) << "line " << i << " missing or out of order";
    }
}

// Text2 is printed when Text1 is hidden, nothing when both are; every failure asks for a
// printer: no printer (with and without anything to print), a failed text or picture job.
TEST_F(PrintTest, PrintsText2WhenText1IsHiddenAndEveryFailureAsksForAPrinter) {
    WindowState win;
    win.Text1.visible = false;
    win.Text2.Set("SECOND BOX");
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_FALSE(QFile::exists(pdf)) << "no page at all";
    win.Text2.visible = true;
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_EQ(testing::PdfPages(pdf).join(QString()).trimmed(), QStringLiteral("SECOND BOX"));
    EXPECT_TRUE(dialogs.messages.empty());

    QPrinter missing;
    missing.setPrinterName(QStringLiteral("no printer of this name"));
    PrintShownRecord(missing, win, QImage(), dialogs);
    win.Text2.visible = false;
    PrintShownRecord(missing, win, QImage(), dialogs);
    printer.setOutputFileName(QString::fromStdString((dir.path() / "missing" / "x.pdf").string()));
    Print("text");
    Print("", QImage(10, 10, QImage::Format_RGB32));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>(4, " Please install a printer! "));
}

// Dots scattered by a fixed rule, so that every column and row differs.
QImage Dots(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (((x * 7 + y * 13 + seed) * 2654435761u >> 28) % 3 == 0)
                image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

// A report of every kind of record (a long screen, a big graph, an unreadable record), on a
// printer in German on Letter, then by the PDF writer in English on A4.
TEST_F(PrintTest, PdfWriterAndPrinterShowEveryFieldLineAndDotOfAReportOnNumberedPages) {
    std::string screen;
    for (int i = 0; i < 90; ++i)
        screen += "LEVEL " + std::to_string(i) + "  -12.5 dBm \xb1 0.1\r\n";
    const std::vector<QImage> pictures{Dots(537, 1000, 1), Dots(61, 37, 2)};
    using enum ReportEntry::Kind;
    const ReportDocument doc{
        .name = "Gro\xdf M\xfcller 12",
        .fields = {"M\xfcller & S\xf6hne GmbH", "J. \xc5str\xf6m", "4711/\x80",
                   "Kabel 3\r\nMessung \xb5s"},
        .family = "Orvane VeskM/Vesk",
        .firstStamp = "12052026-035651AM",
        .lastStamp = "12052026-040112AM",
        .records = {{Text, "RECORD:  12052026-035651AM", screen, {}},
                    {Picture, "GRAPH:    12052026-035700AM", {}, EncodePng(pictures[0])},
                    {Text, "RECORD:  12052026-035800AM", "SIGNAL\tOK \xe9t\xe9\r\nLAST LINE", {}},
                    {Unreadable, "GRAPH:    12052026-035900AM", {}, {}},
                    {Picture, "GRAPH:    12052026-040112AM", {}, EncodePng(pictures[1])}}};
    for (const bool printed : {true, false}) {
        SCOPED_TRACE(printed ? "printer" : "writer");
        const ReportTexts texts =
            printed ? ReportTextsFor(2, {"Firma", "Techniker", "Auftrag", "Kommentar"})
                    : ReportTextsFor(1, {"Company", "Technician", "Ticket/Order", "Comments"});
        printer.setPageSize(QPageSize(QPageSize::Letter));
        ASSERT_TRUE(printed ? RenderReport(printer, doc, texts)
                            : WriteReportPdf(pdf, doc, texts, QPageSize(QPageSize::A4)));

        const QStringList pages = testing::PdfPages(pdf);
        const QString all = pages.join(' ').simplified();
        const auto shows = [&](const std::string& text) {
            for (const QString& line : FromCp1252(text).split(QStringLiteral("\r\n")))
                EXPECT_TRUE(all.contains(line.simplified())) << text;
        };
        for (const std::string& text :
             {doc.name, doc.family, doc.firstStamp, doc.lastStamp, texts.unreadable})
            shows(text);
        for (int f = 0; f < HeaderFields; ++f)
            shows(texts.headerLabels[f] + ":\r\n" + doc.fields[f]);
        for (const ReportEntry& entry : doc.records)
            for (const std::string& line : TextLines(entry.heading + "\r\n" + entry.text, 80))
                shows(line);

        const int count = testing::PdfInfo(pdf, "Pages").toInt();
        ASSERT_TRUE(count >= 4 && pages.size() == count)
            << count << ": the long screen runs on; the big graph on a page of its own";

        const QString images =
            QString::fromStdString((dir.path() / (printed ? "printer" : "writer")).string());
        QDir().mkpath(images);
        const std::vector<QImage> stored = testing::PdfImages(pdf, images);
        ASSERT_EQ(stored.size(), pictures.size());
        for (std::size_t i = 0; i < stored.size(); ++i)
            EXPECT_TRUE(SameDots(stored[i], pictures[i])) << "picture " << i;
        for (const QString& line : testing::PdfImageList(pdf))
            EXPECT_EQ(line.simplified().split(' ').at(7), "1")
                << "1 bit per dot: " << line.toStdString();
    }
    EXPECT_EQ(testing::PdfInfo(pdf, "Title"), FromCp1252(doc.name)) << "of the PDF writer's file";
}

} // namespace
} // namespace orvane
