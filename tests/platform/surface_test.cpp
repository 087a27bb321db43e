// The picture surface, and the clipboard the pictures and texts are put on.

#include "output/picture_document.h"
#include "platform/png_codec.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QRect>

#include <climits>

namespace orvane {
namespace {

class SurfaceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    static bool IsBlack(const QImage& image, int x, int y) {
        return image.pixel(x, y) == QColor(Qt::black).rgb();
    }
    static int BlackDots(const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += IsBlack(image, x, y) ? 1 : 0;
        return count;
    }
    static int BlackDots(const QImage& image) { return BlackDots(image, image.rect()); }

    // A bit of everything the acquisition draws: dots, text, line feeds.
    static void DrawSample(PictureSurface& surface) {
        for (int x = 0; x < 300; ++x)
            surface.SetPixel(x, 100 + x / 3, x % 5 != 0);
        surface.NewLine();
        surface.Print("LEVEL -12.5 dB \xe9");
        surface.NewLine();
        surface.Print("z");
    }

    QtPictureSurface surface;
};

TEST_F(SurfaceTest, SetsDotsClipsThoseOutsideAndClearsToABlankPictureOfTheWindowSize) {
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    EXPECT_EQ(BlackDots(surface.Picture()), 0);
    surface.SetPixel(3, 7, true);
    surface.SetPixel(536, 999, true);
    surface.SetPixel(4, 7, true);
    surface.SetPixel(4, 7, false);
    EXPECT_TRUE(IsBlack(surface.Picture(), 3, 7));
    EXPECT_TRUE(IsBlack(surface.Picture(), 536, 999));
    const std::pair<int, int> outside[] = {{-1, 0},      {0, -1},       {537, 0},
                                           {0, 1000},    {INT_MAX, 5},  {5, INT_MIN},
                                           {INT_MIN, 0}, {40000, 40000}};
    for (const auto& [x, y] : outside) {
        surface.SetPixel(x, y, true);
        EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(x, y));
    }
    EXPECT_EQ(BlackDots(surface.Picture()), 2);
    surface.Clear();
    EXPECT_EQ(BlackDots(surface.Picture()), 0);
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(0, 0));
}

TEST_F(SurfaceTest, PrintsTextInItsCellAndAdvancesByFixedSteps) {
    surface.SetPixel(10, 20, false);
    surface.Print("W");
    const int advance = surface.TextX() - 10;
    EXPECT_GT(advance, 4);
    EXPECT_LT(advance, 16);
    const QRect cell(10, 20, advance, surface.LineHeight());
    EXPECT_GT(BlackDots(surface.Picture(), cell), 5);
    EXPECT_EQ(BlackDots(surface.Picture()), BlackDots(surface.Picture(), cell)) << "nothing else";
    EXPECT_EQ(surface.TextY(), 20) << "no line break";
    surface.Print("WW");
    EXPECT_EQ(surface.TextX(), 10 + 3 * advance);
}

TEST_F(SurfaceTest, NewLineGoesToTheNextTextLineAndEndlessOnesAreHarmless) {
    surface.SetPixel(100, 40, true);
    surface.NewLine();
    EXPECT_EQ(surface.TextX(), 0);
    EXPECT_EQ(surface.TextY(), 40 + surface.LineHeight());
    EXPECT_GE(surface.LineHeight(), 13) << "Courier New 9.75 pt is 13 pixels high";
    EXPECT_LE(surface.LineHeight(), 20);

    for (int i = 0; i < 3'000'000; ++i)
        surface.NewLine();
    surface.Print("lost");
    EXPECT_GT(surface.TextY(), 1000);
    EXPECT_GT(surface.TextX(), 0);
    EXPECT_EQ(BlackDots(surface.Picture()), 1);
}

TEST_F(SurfaceTest, TwoSurfacesDrawIdenticallyAndThePictureSurvivesItsDocument) {
    QtPictureSurface twin;
    DrawSample(surface);
    DrawSample(twin);
    EXPECT_GT(BlackDots(surface.Picture()), 300);
    EXPECT_EQ(surface.Picture(), twin.Picture());

    const EncodedImage image = surface.Image();
    EXPECT_EQ(image.width, 537);
    EXPECT_EQ(image.height, 1000);
    const std::optional<EncodedImage> read = ReadPictureDocument(MakePictureDocument(image));
    ASSERT_TRUE(read);
    QtPictureSurface viewer;
    viewer.Print("old content");
    ASSERT_TRUE(viewer.LoadPicture(*read));
    EXPECT_EQ(viewer.Picture(), surface.Picture());
}

TEST_F(SurfaceTest, ShowsALoadedPictureAtTheTopLeftUnscaledAndRefusesNonPictures) {
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::black);
    ASSERT_TRUE(surface.LoadPicture(EncodePng(small)));
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    EXPECT_EQ(BlackDots(surface.Picture()), 200);
    EXPECT_TRUE(IsBlack(surface.Picture(), 19, 9));
    EXPECT_FALSE(surface.LoadPicture(EncodedImage{"not a png", 3, 3}));
    EXPECT_FALSE(surface.LoadPicture(EncodedImage{}));
    EXPECT_EQ(BlackDots(surface.Picture()), 200) << "a refused picture changes nothing";

    QImage tall(600, 1500, QImage::Format_RGB32);
    tall.fill(Qt::black);
    surface.SetPicture(tall);
    EXPECT_EQ(surface.Picture().size(), QSize(600, 1500)) << "nothing of it is cut off";
    surface.SetPixel(599, 1499, false);
    EXPECT_FALSE(IsBlack(surface.Picture(), 599, 1499));

    surface.RemovePicture();
    EXPECT_EQ(surface.Picture().size(), QSize(537, 1000));
    EXPECT_EQ(BlackDots(surface.Picture()), 0);
}

TEST_F(SurfaceTest, DrawingReachesThePictureWhileACopyOfItIsHeld) {
    const QImage before = surface.Picture(); // shares the pixels until someone writes
    surface.Print("X");                      // makes the surface take pixels of its own
    surface.SetPixel(500, 500, true);
    EXPECT_TRUE(IsBlack(surface.Picture(), 500, 500));
    EXPECT_FALSE(IsBlack(before, 500, 500));
}

TEST_F(SurfaceTest, TheClipboardHoldsItsPictureAndTextAsWindows1252) {
    QtClipboard clipboard;
    DrawSample(surface);
    clipboard.SetImage(surface.Image());
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              surface.Picture());

    clipboard.SetText("LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("LEVEL -12.5 dB °é€\r\n"));
    EXPECT_EQ(clipboard.Text(), "LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    clipboard.Clear();
    EXPECT_EQ(clipboard.Text(), "");

    clipboard.SetText("old");
    clipboard.SetImage(EncodedImage{"garbage", 1, 1});
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull()) << "bytes that are no picture";
    EXPECT_EQ(clipboard.Text(), "");
}

} // namespace
} // namespace orvane
