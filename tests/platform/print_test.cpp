#include "platform/printing.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orvane {
namespace {

const std::vector<std::string> PrinterAsked{" Please install a printer! "};

TEST(PrintLines, SplitsAtEveryLineEndAndWrapsLongLines) {
    EXPECT_EQ(PrintLines("A\r\nB\nC\rD", 80), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(PrintLines("A\r\n\r\nB\r\n", 80), (QStringList{"A", "", "B"}));
    EXPECT_EQ(PrintLines("", 80), QStringList{});
    EXPECT_EQ(PrintLines("\r\n", 80), QStringList{""});
    EXPECT_EQ(PrintLines("abcdefgh", 3), (QStringList{"abc", "def", "gh"}));
    EXPECT_EQ(PrintLines("a\tb\t", 80), QStringList{"a       b       "});
    EXPECT_EQ(PrintLines("\xe9t\xe9", 80), QStringList{QString::fromUtf8("été")});
}

// Prints to a PDF file and reads it back with the poppler tools; tests that read the PDF
// are skipped where those are not installed.
class PrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    PrintTest() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    static bool HasPoppler() {
        for (const char* tool : {"pdftotext", "pdftoppm", "pdfimages"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                return false;
        return true;
    }
    QByteArray Poppler(const QString& tool, const QStringList& arguments) const {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(120000) && process.exitCode() == 0)
            << tool.toStdString();
        return process.readAllStandardOutput();
    }
    // The text of each page.
    QStringList Pages() const {
        QStringList pages =
            QString::fromUtf8(Poppler("pdftotext", {"-layout", pdf, "-"})).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // The page at 96 dpi, one pixel per picture pixel.
    QImage RenderedPage() const {
        const QString stem = QString::fromStdString((dir.path() / "page").string());
        Poppler("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
    }
    static bool IsDark(const QImage& image, QPoint at) { return qGray(image.pixel(at)) < 64; }

    void PrintText(std::string text, bool inText2 = false) {
        WindowState win;
        win.Text1.visible = !inText2;
        (inText2 ? win.Text2 : win.Text1).Set(std::move(text));
        win.Text2.visible = inText2;
        PrintShownRecord(printer, win, QImage(), dialogs);
    }
    void PrintPicture(const QImage& picture) {
        WindowState win;
        win.imgScreenVisible = true;
        win.Text1.Set("not printed");
        PrintShownRecord(printer, win, picture, dialogs);
    }

    testing::TempDir dir;
    QString pdf = QString::fromStdString((dir.path() / "job.pdf").string());
    QPrinter printer{QPrinter::HighResolution};
    testing::FakeDialogs dialogs;
};

TEST_F(PrintTest, PrintsTextOnAsManyPagesAsItNeedsWrappingWideLines) {
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    std::string wide;
    for (int i = 0; i < 30; ++i)
        wide += "ABCDEFGHI" + std::to_string(i % 10);
    std::string text = wide + "\r\n";
    for (int i = 1; i <= 200; ++i)
        text += "LINE " + std::to_string(i) + "  LEVEL -12.5 dB\r\n";
    PrintText(text);
    EXPECT_TRUE(dialogs.messages.empty());

    const QStringList pages = Pages();
    ASSERT_GE(pages.size(), 3) << "200 lines of 10 pt do not fit on two A4 pages";
    ASSERT_LE(pages.size(), 5);
    QString wrapped = pages.front().left(pages.front().indexOf(QLatin1String("LINE 1")));
    EXPECT_GE(wrapped.count(QLatin1Char('\n')), 3) << "300 characters need several lines";
    EXPECT_EQ(wrapped.remove(QRegularExpression(QStringLiteral("\\s"))),
              QString::fromStdString(wide));
    const QString all = pages.join(QLatin1Char('\n'));
    qsizetype at = 0;
    for (int i = 1; i <= 200; ++i) {
        const QRegularExpression line(QStringLiteral("LINE %1\\s+LEVEL -12\\.5 dB").arg(i));
        const qsizetype found = all.indexOf(line, at);
        ASSERT_GE(found, at) << "line " << i << " missing or out of order";
        at = found + 1;
    }
    EXPECT_TRUE(pages.back().contains(QLatin1String("LINE 200")));
}

TEST_F(PrintTest, PrintsText2WhenText1IsHiddenAndNothingWhenBothAre) {
    PrintText("", true);
    EXPECT_FALSE(QFile::exists(pdf)) << "no page at all";
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    PrintText("SECOND BOX", true);
    EXPECT_TRUE(dialogs.messages.empty());
    const QStringList pages = Pages();
    EXPECT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.join(QString()).contains(QLatin1String("SECOND BOX")));
}

TEST_F(PrintTest, PrintsThePictureAtItsOwnSizeAtTheTopLeft) {
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    PrintPicture(picture);
    EXPECT_TRUE(dialogs.messages.empty());

    const QByteArray images = Poppler("pdfimages", {"-list", pdf});
    EXPECT_TRUE(images.contains("200   100")) << images.toStdString();
    EXPECT_TRUE(Pages().join(QString()).trimmed().isEmpty()) << "no text";
    const QImage page = RenderedPage();
    const QPoint origin = printer.pageLayout().paintRectPixels(96).topLeft();
    EXPECT_TRUE(IsDark(page, origin + QPoint(2, 2)));
    EXPECT_TRUE(IsDark(page, origin + QPoint(57, 47)));
    EXPECT_FALSE(IsDark(page, origin + QPoint(63, 10))) << "the black part is 60 pixels wide";
    EXPECT_FALSE(IsDark(page, origin + QPoint(10, 53))) << "and 50 pixels high";
}

TEST_F(PrintTest, ShrinksAPictureTooLargeForThePage) {
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    QImage picture(2000, 3000, QImage::Format_RGB32);
    picture.fill(Qt::black);
    PrintPicture(picture);
    const QImage page = RenderedPage();
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    EXPECT_TRUE(IsDark(page, printable.topLeft() + QPoint(5, printable.height() - 5)))
        << "reaches the bottom of the printable area";
    EXPECT_FALSE(IsDark(page, printable.bottomLeft() + QPoint(5, 8))) << "but not beyond";
    EXPECT_FALSE(IsDark(page, printable.topRight() + QPoint(-5, 5)))
        << "the aspect ratio is kept, so the right side stays white";
}

TEST_F(PrintTest, EveryFailureAsksForAPrinter) {
    printer.setOutputFileName(QString::fromStdString((dir.path() / "missing" / "x.pdf").string()));
    PrintText("text");
    EXPECT_EQ(dialogs.messages, PrinterAsked) << "text job failed";
    PrintPicture(QImage(10, 10, QImage::Format_RGB32));
    EXPECT_EQ(dialogs.messages, std::vector(2, PrinterAsked[0])) << "picture job failed";

    QPrinter missing;
    missing.setOutputFormat(QPrinter::NativeFormat);
    missing.setPrinterName(QStringLiteral("no printer of this name"));
    testing::FakeDialogs noPrinter;
    WindowState win;
    win.Text1.Set("text");
    PrintShownRecord(missing, win, QImage(), noPrinter);
    EXPECT_EQ(noPrinter.messages, PrinterAsked);
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
    EXPECT_EQ(printer.outputFileName(), pdf);
}

} // namespace
} // namespace orvane
