#include "platform/printing.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <filesystem>

namespace orvane {
namespace {

using testing::FakeDialogs;
using testing::TempDir;

// Runs a poppler tool; its standard output, or nothing when it is not installed or failed.
std::optional<QByteArray> Poppler(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

class PrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    PrintTest() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    // The text of each page.
    QStringList Pages() const {
        const auto text =
            Poppler("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
        if (!text)
            return {};
        QStringList pages = QString::fromUtf8(*text).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    // The page rendered at 96 dpi, one pixel per picture pixel.
    QImage RenderedPage() const {
        const std::string stem = (dir.path() / "page").string();
        if (!Poppler("pdftoppm",
                     {"-r", "96", "-png", "-singlefile", QString::fromStdString(pdf.string()),
                      QString::fromStdString(stem)}))
            return {};
        return QImage(QString::fromStdString(stem + ".png")).convertToFormat(QImage::Format_RGB32);
    }

    static bool IsDark(const QImage& image, QPoint at) { return qGray(image.pixel(at)) < 64; }

    TempDir dir;
    std::filesystem::path pdf = dir.path() / "job.pdf";
    QPrinter printer{QPrinter::HighResolution};
    FakeDialogs dialogs;
};

TEST(PrintLines, SplitsAtEveryLineEndAndWrapsLongLines) {
    EXPECT_EQ(PrintLines("A\r\nB\nC\rD", 80), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(PrintLines("A\r\n\r\nB\r\n", 80), (QStringList{"A", "", "B"}));
    EXPECT_EQ(PrintLines("", 80), QStringList{});
    EXPECT_EQ(PrintLines("\r\n", 80), QStringList{""});
    EXPECT_EQ(PrintLines("abcdefgh", 3), (QStringList{"abc", "def", "gh"}));
    EXPECT_EQ(PrintLines("a\tb\t", 80), QStringList{"a       b       "});
    EXPECT_EQ(PrintLines("\xe9t\xe9", 80), QStringList{QString::fromUtf8("été")});
}

TEST_F(PrintTest, PrintsTextOnAsManyPagesAsItNeeds) {
    std::string text;
    for (int i = 1; i <= 200; ++i)
        text += "LINE " + std::to_string(i) + "  LEVEL -12.5 dB\r\n";
    WindowState win;
    win.Text1.Set(text);
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_TRUE(dialogs.messages.empty());

    const QStringList pages = Pages();
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_GE(pages.size(), 3) << "200 lines of 10 pt do not fit on two A4 pages";
    ASSERT_LE(pages.size(), 5);
    const QString all = pages.join(QLatin1Char('\n'));
    qsizetype at = 0;
    for (int i = 1; i <= 200; ++i) {
        const QRegularExpression line(QStringLiteral("LINE %1\\s+LEVEL -12\\.5 dB").arg(i));
        const qsizetype found = all.indexOf(line, at);
        ASSERT_GE(found, at) << "line " << i << " missing or out of order";
        at = found + 1;
    }
    EXPECT_TRUE(pages.front().contains(QRegularExpression(QStringLiteral("LINE 1\\s"))));
    EXPECT_TRUE(pages.back().contains("LINE 200"));
}

TEST_F(PrintTest, WrapsALineWiderThanThePage) {
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "ABCDEFGHI" + std::to_string(i % 10);
    WindowState win;
    win.Text1.Set(line);
    PrintShownRecord(printer, win, QImage(), dialogs);
    const QStringList pages = Pages();
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList printed = pages.front().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GE(printed.size(), 3) << "300 characters need several lines";
    EXPECT_EQ(printed.join(QString()).remove(QLatin1Char(' ')), QString::fromStdString(line));
}

TEST_F(PrintTest, PrintsText2WhenText1IsHiddenAndNothingWhenBothAre) {
    WindowState win;
    win.Text1.visible = false;
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_FALSE(std::filesystem::exists(pdf)) << "no page at all";

    win.Text2.Set("SECOND BOX");
    win.Text2.visible = true;
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    const QStringList pages = Pages();
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.front().contains("SECOND BOX"));
}

TEST_F(PrintTest, PrintsThePictureAtItsOwnSizeAtTheTopLeft) {
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    WindowState win;
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    win.Text2.Set("not printed");
    win.Text2.visible = true;
    PrintShownRecord(printer, win, picture, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());

    const auto images = Poppler("pdfimages", {"-list", QString::fromStdString(pdf.string())});
    if (!images)
        GTEST_SKIP() << "poppler tools are not installed";
    EXPECT_TRUE(images->contains("200   100")) << images->toStdString();
    EXPECT_TRUE(Pages().join(QString()).trimmed().isEmpty()) << "no text";

    const QImage page = RenderedPage();
    ASSERT_FALSE(page.isNull());
    const QPoint origin = printer.pageLayout().paintRectPixels(96).topLeft();
    EXPECT_TRUE(IsDark(page, origin + QPoint(2, 2)));
    EXPECT_TRUE(IsDark(page, origin + QPoint(57, 47)));
    EXPECT_FALSE(IsDark(page, origin + QPoint(63, 10))) << "the black part is 60 pixels wide";
    EXPECT_FALSE(IsDark(page, origin + QPoint(10, 53))) << "and 50 pixels high";
}

TEST_F(PrintTest, ShrinksAPictureTooLargeForThePage) {
    QImage picture(2000, 3000, QImage::Format_RGB32);
    picture.fill(Qt::black);
    WindowState win;
    win.imgScreenVisible = true;
    PrintShownRecord(printer, win, picture, dialogs);
    const QImage page = RenderedPage();
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm is not installed";
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    EXPECT_TRUE(IsDark(page, printable.topLeft() + QPoint(5, printable.height() - 5)))
        << "reaches the bottom of the printable area";
    EXPECT_FALSE(IsDark(page, printable.bottomLeft() + QPoint(5, 8))) << "but not beyond";
    EXPECT_FALSE(IsDark(page, printable.topRight() + QPoint(-5, 5)))
        << "the aspect ratio is kept, so the right side stays white";
}

TEST_F(PrintTest, AFailedJobAsksForAPrinter) {
    printer.setOutputFileName(QString::fromStdString((dir.path() / "missing" / "x.pdf").string()));
    WindowState win;
    win.Text1.Set("text");
    PrintShownRecord(printer, win, QImage(), dialogs);
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    QImage picture(10, 10, QImage::Format_RGB32);
    PrintShownRecord(printer, win, picture, dialogs);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{" Please install a printer! ",
                                                          " Please install a printer! "}));
}

TEST_F(PrintTest, NoPrinterAsksForOne) {
    QPrinter missing;
    missing.setOutputFormat(QPrinter::NativeFormat);
    missing.setPrinterName(QStringLiteral("no printer of this name"));
    WindowState win;
    win.Text1.Set("text");
    PrintShownRecord(missing, win, QImage(), dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{" Please install a printer! "});
}

TEST_F(PrintTest, PrintSetupWorksOnTheGivenPrinterAndCancelChangesNothing) {
    const QPageSize before = printer.pageLayout().pageSize();
    QPrintDialog* dialog = ShowPrintSetup(printer, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->printer(), &printer);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Setup"));
    dialog->reject();
    EXPECT_TRUE(printer.pageLayout().pageSize().isEquivalentTo(before));
    EXPECT_EQ(printer.outputFileName(), QString::fromStdString(pdf.string()));
}

} // namespace
} // namespace orvane
