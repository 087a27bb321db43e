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
#include <QPageLayout>
#include <QPainter>

namespace orvane {
namespace {

bool SameDots(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128))
                return false;
    return true;
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
    // The page at 96 dpi, one dot per picture pixel.
    QImage Page() const {
        const QString stem = QString::fromStdString((dir.path() / "page").string());
        testing::Poppler("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png");
    }
    static bool IsDark(const QImage& page, QPoint at) { return qGray(page.pixel(at)) < 64; }

    testing::TempDir dir;
    QString pdf = QString::fromStdString((dir.path() / "job.pdf").string());
    QPrinter printer{QPrinter::HighResolution};
    testing::FakeDialogs dialogs;
};

// Text lines in Windows-1252, wrapped at the page's width, none lost at a page break.
TEST_F(PrintTest, PrintsTextOnAsManyPagesAsItNeedsWrappingWideLines) {
    std::string wide;
    for (int i = 0; i < 30; ++i)
        wide += "ABCDEFGHI" + std::to_string(i % 10);
    std::string text = wide + "\r\n";
    for (int i = 1; i <= 200; ++i)
        text += "LINE " + std::to_string(i) + "  LEVEL -12.5 dB \xb1\r\n";
    Print(text);
    EXPECT_TRUE(dialogs.messages.empty());
    const QStringList pages = testing::PdfPages(pdf);
    ASSERT_GE(pages.size(), 3) << "200 lines of 10 pt do not fit on two A4 pages";
    ASSERT_LE(pages.size(), 5);
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
    EXPECT_TRUE(pages.back().contains(QLatin1String("LINE 200")));
}

TEST_F(PrintTest, PrintsAPictureAtItsOwnSizeAtTheTopLeftOrShrunkToFitThePage) {
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 60, 50, Qt::black);
    Print("not printed", picture);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(testing::PdfImageList(pdf).join('\n').contains("200   100"));
    EXPECT_TRUE(testing::PdfPages(pdf).join(QString()).trimmed().isEmpty()) << "no text";
    const QRect area = printer.pageLayout().paintRectPixels(96);
    QImage page = Page();
    const auto dark = [&](int x, int y) { return IsDark(page, area.topLeft() + QPoint(x, y)); };
    EXPECT_TRUE(dark(2, 2) && dark(57, 47)) << "the black part";
    EXPECT_FALSE(dark(63, 10) || dark(10, 53)) << "is 60 pixels wide and 50 high";

    QImage large(2000, 3000, QImage::Format_RGB32);
    large.fill(Qt::black);
    Print("", large);
    page = Page();
    EXPECT_TRUE(dark(5, area.height() - 5)) << "reaches the bottom of the printable area";
    EXPECT_FALSE(dark(5, area.height() + 7) || dark(area.width() - 6, 5))
        << "but not beyond, keeping the aspect ratio";
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

// A report of every kind of record: a long screen, a big graph, an unreadable record.
class ReportPdfTest : public PrintTest {
  protected:
    ReportPdfTest() {
        doc.name = "M\xfcller Stra\xdf"
                   "e 12";
        doc.fields = {"M\xfcller & S\xf6hne GmbH", "J. \xc5str\xf6m", "4711/\x80",
                      "Kabel 3\r\nMessung \xb0"
                      "C"};
        doc.family = "Orvane VeskM/Vesk";
        doc.firstStamp = "12052026-035651AM";
        doc.lastStamp = "12052026-040112AM";
        std::string screen;
        for (int i = 0; i < 90; ++i)
            screen += "LEVEL " + std::to_string(i) + "  -12.5 dBm \xb1 0.1\r\n";
        Add(ReportEntry::Kind::Text, "RECORD:  12052026-035651AM", screen);
        Add(ReportEntry::Kind::Picture, "GRAPH:    12052026-035700AM", {}, Dots(537, 1000, 1));
        Add(ReportEntry::Kind::Text, "RECORD:  12052026-035800AM",
            "SIGNAL\tOK \xe9t\xe9\r\nLAST LINE");
        Add(ReportEntry::Kind::Unreadable, "GRAPH:    12052026-035900AM");
        Add(ReportEntry::Kind::Picture, "GRAPH:    12052026-040112AM", {}, Dots(61, 37, 2));
    }
    void Add(ReportEntry::Kind kind, std::string heading, std::string text = {},
             const QImage& picture = {}) {
        if (!picture.isNull())
            pictures.push_back(picture);
        doc.records.push_back({.kind = kind,
                               .heading = std::move(heading),
                               .text = std::move(text),
                               .picture = picture.isNull() ? EncodedImage{} : EncodePng(picture)});
    }

    ReportDocument doc;
    std::vector<QImage> pictures;
};

TEST_F(ReportPdfTest, PdfWriterAndPrinterShowEveryFieldLineAndDotOnNumberedPages) {
    // On a printer in German on Letter, then by the PDF writer in English on A4.
    for (const bool printed : {true, false}) {
        const char* device = printed ? "printer" : "writer";
        SCOPED_TRACE(device);
        const ReportTexts texts =
            printed ? ReportTextsFor(2, {"Firma", "Techniker", "Auftrag", "Kommentar"})
                    : ReportTextsFor(1, {"Company", "Technician", "Ticket/Order", "Comments"});
        printer.setPageSize(QPageSize(QPageSize::Letter));
        ASSERT_TRUE(printed ? RenderReport(printer, doc, texts)
                            : WriteReportPdf(pdf, doc, texts, QPageSize(QPageSize::A4)));

        const QStringList pages = testing::PdfPages(pdf);
        const QString all = pages.join(' ').simplified();
        QStringList expected{FromCp1252(doc.name), FromCp1252(doc.family),
                             FromCp1252(doc.firstStamp), FromCp1252(doc.lastStamp),
                             FromCp1252(texts.unreadable)};
        for (int f = 0; f < HeaderFields; ++f) {
            expected << FromCp1252(texts.headerLabels[f] + ":");
            expected << FromCp1252(doc.fields[f]).split(QStringLiteral("\r\n"));
        }
        for (const ReportEntry& entry : doc.records) {
            expected << FromCp1252(entry.heading);
            for (const std::string& line : TextLines(entry.text, 80))
                expected << FromCp1252(line);
        }
        for (const QString& text : expected)
            EXPECT_TRUE(all.contains(text.simplified())) << text.toStdString();

        const int count = testing::PdfInfo(pdf, "Pages").toInt();
        EXPECT_GE(count, 4) << "the long screen runs on; the big graph on a page of its own";
        ASSERT_EQ(pages.size(), count);
        for (int n = 1; n <= count; ++n)
            EXPECT_TRUE(pages[n - 1].simplified().endsWith(
                FromCp1252(texts.page) + QStringLiteral(" %1 ").arg(n) + FromCp1252(texts.of) +
                QStringLiteral(" %1").arg(count)))
                << pages[n - 1].toStdString();

        const QString images = QString::fromStdString((dir.path() / device).string());
        QDir().mkpath(images);
        const std::vector<QImage> stored = testing::PdfImages(pdf, images);
        ASSERT_EQ(stored.size(), pictures.size());
        for (std::size_t i = 0; i < stored.size(); ++i)
            EXPECT_TRUE(SameDots(stored[i], pictures[i])) << "picture " << i;
        for (const QString& line : testing::PdfImageList(pdf))
            EXPECT_EQ(line.simplified().split(' ').at(7), QStringLiteral("1"))
                << "1 bit per dot: " << line.toStdString();
    }
    EXPECT_EQ(testing::PdfInfo(pdf, "Title"), FromCp1252(doc.name)) << "of the PDF writer's file";
}

TEST_F(ReportPdfTest, PaperFollowsTheLocaleAndPicturesExportAsOneBitPng) {
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
              QPageSize::Letter);
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::French, QLocale::Canada)).id(), QPageSize::Letter);
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);

    const QString png = QString::fromStdString((dir.path() / "dots.png").string());
    for (const QImage& picture : pictures) {
        ASSERT_TRUE(WritePicturePng(picture, png));
        const QImage written(png);
        EXPECT_EQ(written.depth(), 1);
        EXPECT_TRUE(SameDots(written, picture));
    }
}

} // namespace
} // namespace orvane
