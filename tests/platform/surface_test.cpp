// The picture surface, and the clipboard the pictures and texts are put on. (How a drawn
// picture reads back from its document is seen by the LibreOffice round trip.)

#include "platform/png_codec.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include <climits>

namespace orvane {
namespace {

bool IsBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}
int BlackDotsIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += IsBlack(image, x, y) ? 1 : 0;
    return count;
}

class SurfaceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    int BlackDots() const { return BlackDotsIn(surface.Picture(), surface.Picture().rect()); }
    QtPictureSurface surface;
};

TEST_F(SurfaceTest, SetsDotsClipsThoseOutsideAndClearsToABlankPictureOfTheWindowSize) {
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    surface.SetPixel(3, 7, true);
    surface.SetPixel(536, 999, true);
    surface.SetPixel(4, 7, true);
    surface.SetPixel(4, 7, false);
    EXPECT_TRUE(IsBlack(surface.Picture(), 3, 7) && IsBlack(surface.Picture(), 536, 999));
    const std::pair<int, int> outside[] = {{-1, 0},      {0, -1},       {537, 0},
                                           {0, 1000},    {INT_MAX, 5},  {5, INT_MIN},
                                           {INT_MIN, 0}, {40000, 40000}};
    for (const auto& [x, y] : outside) {
        surface.SetPixel(x, y, true);
        EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(x, y));
    }
    EXPECT_EQ(BlackDots(), 2);
    surface.Clear();
    EXPECT_EQ(BlackDots(), 0);
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(0, 0));
}

TEST_F(SurfaceTest, PrintsTextInItsCellByFixedStepsAndEndlessNewLinesAreHarmless) {
    const QImage before = surface.Picture(); // shares the pixels until someone writes
    surface.SetPixel(10, 20, false);
    surface.Print("W"); // makes the surface take pixels of its own
    const int advance = surface.TextX() - 10;
    EXPECT_GT(advance, 4);
    EXPECT_LT(advance, 16);
    const QRect cell(10, 20, advance, surface.LineHeight());
    EXPECT_GT(BlackDotsIn(surface.Picture(), cell), 5);
    EXPECT_EQ(BlackDots(), BlackDotsIn(surface.Picture(), cell)) << "nothing else";
    surface.Print("WW");
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(10 + 3 * advance, 20));
    surface.NewLine();
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(0, 20 + surface.LineHeight()));
    EXPECT_GE(surface.LineHeight(), 13) << "Courier New 9.75 pt is 13 pixels high";
    EXPECT_LE(surface.LineHeight(), 20);

    const int dots = BlackDots();
    for (int i = 0; i < 3'000'000; ++i)
        surface.NewLine();
    surface.Print("lost");
    EXPECT_GT(surface.TextY(), 1000);
    EXPECT_EQ(BlackDots(), dots);
    surface.SetPixel(500, 500, true);
    EXPECT_TRUE(IsBlack(surface.Picture(), 500, 500) && !IsBlack(before, 500, 500))
        << "drawing goes on while a copy is held";
}

TEST_F(SurfaceTest, ShowsALoadedPictureAtTheTopLeftUnscaledAndRefusesNonPictures) {
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::black);
    surface.Print("old content");
    ASSERT_TRUE(surface.LoadPicture(EncodePng(small)));
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    EXPECT_EQ(BlackDotsIn(surface.Picture(), QRect(0, 0, 20, 10)), 200);
    EXPECT_EQ(BlackDots(), 200);
    EXPECT_FALSE(surface.LoadPicture(EncodedImage{"not a png", 3, 3}));
    EXPECT_FALSE(surface.LoadPicture(EncodedImage{}));
    EXPECT_EQ(BlackDots(), 200) << "a refused picture changes nothing";

    QImage tall(600, 1500, QImage::Format_RGB32);
    tall.fill(Qt::black);
    surface.SetPicture(tall);
    EXPECT_EQ(surface.Picture().size(), QSize(600, 1500)) << "nothing of it is cut off";
    surface.SetPixel(599, 1499, false);
    EXPECT_FALSE(IsBlack(surface.Picture(), 599, 1499));
    surface.RemovePicture();
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    EXPECT_EQ(BlackDots(), 0);
}

TEST_F(SurfaceTest, TheClipboardHoldsItsPictureAndTextAsWindows1252) {
    QtClipboard clipboard;
    surface.Print("LEVEL");
    clipboard.SetImage(surface.Image());
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              surface.Picture());
    clipboard.SetText("LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("LEVEL -12.5 dB °é€\r\n"));
    EXPECT_EQ(clipboard.Text(), "LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    clipboard.SetImage(EncodedImage{"garbage", 1, 1});
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull()) << "bytes that are no picture";
    EXPECT_EQ(clipboard.Text(), "");
}

} // namespace
} // namespace orvane
