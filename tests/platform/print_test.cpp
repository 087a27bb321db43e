#include "platform/printing.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orvane {
namespace {

TEST(PrintLines, SplitsAtEveryLineEndAndWrapsLongLines) {
    EXPECT_EQ(PrintLines("A\r\nB\nC\rD", 80), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(PrintLines("A\r\n\r\nB\r\n", 80), (QStringList{"A", "", "B"}));
    EXPECT_EQ(PrintLines("", 80), QStringList{});
    EXPECT_EQ(PrintLines("\r\n", 80), QStringList{""});
    EXPECT_EQ(PrintLines("abcdefgh", 3), (QStringList{"abc", "def", "gh"}));
    EXPECT_EQ(PrintLines("a\tb\t", 80), QStringList{"a       b       "});
    EXPECT_EQ(PrintLines("\xe9t\xe9", 80), QStringList{QString::fromUtf8("été")});
}

// Prints to a PDF file and reads it back with the poppler tools, where they are installed.
class PrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    PrintTest() {
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
    static bool HasPoppler() {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
    }
    QByteArray Poppler(const QString& tool, const QStringList& arguments) const {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(120000) && process.exitCode() == 0)
            << tool.toStdString();
        return process.readAllStandardOutput();
    }
    QStringList Pages() const {
        return QString::fromUtf8(Poppler("pdftotext", {"-layout", pdf, "-"}))
            .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    }
    // The page at 96 dpi, one pixel per picture pixel.
    QImage RenderedPage() const {
        const QString stem = QString::fromStdString((dir.path() / "page").string());
        Poppler("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
    }
    static bool IsDark(const QImage& image, QPoint at) { return qGray(image.pixel(at)) < 64; }

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
    Print(text);
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
    WindowState win;
    win.Text1.visible = false;
    win.Text2.Set("SECOND BOX");
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_FALSE(QFile::exists(pdf)) << "no page at all";
    win.Text2.visible = true;
    PrintShownRecord(printer, win, QImage(), dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    EXPECT_EQ(Pages().join(QString()).trimmed(), QStringLiteral("SECOND BOX"));
}

TEST_F(PrintTest, PrintsThePictureAtItsOwnSizeAtTheTopLeft) {
    if (!HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    Print("not printed", picture);
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
    Print("", picture);
    const QImage page = RenderedPage();
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    EXPECT_TRUE(IsDark(page, printable.topLeft() + QPoint(5, printable.height() - 5)))
        << "reaches the bottom of the printable area";
    EXPECT_FALSE(IsDark(page, printable.bottomLeft() + QPoint(5, 8))) << "but not beyond";
    EXPECT_FALSE(IsDark(page, printable.topRight() + QPoint(-5, 5)))
        << "the aspect ratio is kept, so the right side stays white";
}

TEST_F(PrintTest, EveryFailureAsksForAPrinter) {
    QPrinter missing;
    missing.setPrinterName(QStringLiteral("no printer of this name"));
    WindowState win;
    win.Text1.Set("text");
    PrintShownRecord(missing, win, QImage(), dialogs);
    win.Text1.visible = false; // nothing to print
    PrintShownRecord(missing, win, QImage(), dialogs);
    printer.setOutputFileName(QString::fromStdString((dir.path() / "missing" / "x.pdf").string()));
    Print("text");
    Print("", QImage(10, 10, QImage::Format_RGB32));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>(4, " Please install a printer! "))
        << "no printer (with and without anything to print), a failed text job, a failed "
           "picture job";
}

} // namespace
} // namespace orvane
