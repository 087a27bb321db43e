// A report's document drawn into a PDF, by the PDF writer and by a printer, read back with
// Poppler's tools.

#include "platform/cp1252.h"
#include "platform/png_codec.h"
#include "platform/report_rendering.h"
#include "support/fakes.h"
#include "support/poppler.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <functional>

namespace orvane {
namespace {

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

bool SameDots(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128))
                return false;
    return true;
}

// Blanks do not matter when text is read back.
QString Words(const QString& text) {
    return text.simplified();
}

class ReportPdfTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

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
        AddText("RECORD:  12052026-035651AM", screen);
        AddPicture("GRAPH:    12052026-035700AM", Dots(537, 1000, 1));
        AddText("RECORD:  12052026-035800AM", "SIGNAL\tOK \xe9t\xe9\r\nLAST LINE");
        doc.records.push_back({.kind = ReportEntry::Kind::Unreadable,
                               .heading = "GRAPH:    12052026-035900AM",
                               .text = {},
                               .picture = {}});
        AddPicture("GRAPH:    12052026-040112AM", Dots(61, 37, 2));
    }

    void AddText(std::string heading, std::string text) {
        doc.records.push_back({.kind = ReportEntry::Kind::Text,
                               .heading = std::move(heading),
                               .text = std::move(text),
                               .picture = {}});
    }
    void AddPicture(std::string heading, const QImage& picture) {
        pictures.push_back(picture);
        doc.records.push_back({.kind = ReportEntry::Kind::Picture,
                               .heading = std::move(heading),
                               .text = {},
                               .picture = EncodePng(picture)});
    }

    testing::TempDir dir;
    QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
    ReportDocument doc;
    std::vector<QImage> pictures;
};

TEST_F(ReportPdfTest, PdfWriterAndPrinterShowEveryFieldLineAndDotOnNumberedPages) {
    if (!testing::HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    const struct {
        const char* device;
        std::int16_t language;
        std::array<std::string_view, 4> labels;
        std::function<bool(const QString&, const ReportDocument&, const ReportTexts&)> write;
    } cases[] = {
        {"PDF writer",
         1,
         {"Company", "Technician", "Ticket/Order", "Comments"},
         [](const QString& path, const ReportDocument& d, const ReportTexts& t) {
             return WriteReportPdf(path, d, t, QPageSize(QPageSize::A4));
         }},
        {"printer",
         2,
         {"Firma", "Techniker", "Auftrag", "Kommentar"},
         [](const QString& path, const ReportDocument& d, const ReportTexts& t) {
             QPrinter printer(QPrinter::HighResolution);
             printer.setOutputFormat(QPrinter::PdfFormat);
             printer.setOutputFileName(path);
             printer.setPageSize(QPageSize(QPageSize::Letter));
             return RenderReport(printer, d, t);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        const ReportTexts texts = ReportTextsFor(c.language, c.labels);
        ASSERT_TRUE(c.write(pdf, doc, texts));

        const QStringList pages = testing::PdfPages(pdf);
        const QString all = Words(pages.join(' '));
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
            EXPECT_TRUE(all.contains(Words(text))) << text.toStdString();

        const int count = testing::PdfInfo(pdf, "Pages").toInt();
        EXPECT_GE(count, 4) << "the long screen runs on; the big graph on a page of its own";
        ASSERT_EQ(pages.size(), count);
        for (int n = 1; n <= count; ++n)
            EXPECT_TRUE(Words(pages[n - 1])
                            .endsWith(FromCp1252(texts.page) + QStringLiteral(" %1 ").arg(n) +
                                      FromCp1252(texts.of) + QStringLiteral(" %1").arg(count)))
                << pages[n - 1].toStdString();

        const QString images = QString::fromStdString((dir.path() / c.device).string());
        QDir().mkpath(images);
        const std::vector<QImage> stored = testing::PdfImages(pdf, images);
        ASSERT_EQ(stored.size(), pictures.size());
        for (std::size_t i = 0; i < stored.size(); ++i)
            EXPECT_TRUE(SameDots(stored[i], pictures[i])) << "picture " << i;
        for (const QString& line : testing::PdfImageList(pdf))
            EXPECT_EQ(line.simplified().split(' ').at(7), QStringLiteral("1"))
                << "1 bit per dot: " << line.toStdString();
        if (c.language == 1) {
            EXPECT_EQ(testing::PdfInfo(pdf, "Title"), FromCp1252(doc.name));
        }
    }
}

TEST_F(ReportPdfTest, PaperFollowsTheLocaleAndPicturesExportAsOneBitPng) {
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
              QPageSize::Letter);
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::French, QLocale::Canada)).id(), QPageSize::Letter);
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);
    EXPECT_EQ(LocalePageSize(QLocale(QLocale::English, QLocale::UnitedKingdom)).id(),
              QPageSize::A4);

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
