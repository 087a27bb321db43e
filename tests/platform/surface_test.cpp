// The picture surface and the clipboard. (How a drawn picture reads back from its document is seen
// by the LibreOffice round trip.)

#include "platform/png_codec.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include <climits>

namespace orvane {
namespace {

int BlackDots(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    return count;
}

TEST(SurfaceTest, DrawsDotsAndTextClipsWhatIsOutsideAndLoadsOnlyPictures) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    QtPictureSurface surface;
    const auto dots = [&] { return BlackDots(surface.Picture(), surface.Picture().rect()); };
    const QImage before = surface.Picture(); // shares the pixels until someone writes
    surface.SetPixel(10, 20, false);
    surface.Print("W"); // makes the surface take pixels of its own
    const int advance = surface.TextX() - 10;
    EXPECT_TRUE(advance > 4 && advance < 16 && dots() > 5) << advance;
    EXPECT_EQ(dots(), BlackDots(surface.Picture(), QRect(10, 20, advance, surface.LineHeight())))
        << "in its cell only";
    surface.Print("WW");
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(10 + 3 * advance, 20));
    surface.NewLine();
    EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(0, 20 + surface.LineHeight()));
    EXPECT_TRUE(surface.LineHeight() >= 13 && surface.LineHeight() <= 20)
        << "Courier New 9.75 pt is 13 pixels high";
    surface.SetPixel(536, 999, true);
    EXPECT_TRUE(surface.Picture().pixel(536, 999) == qRgb(0, 0, 0) &&
                before.pixel(536, 999) == qRgb(255, 255, 255))
        << "drawing goes on while a copy is held";
    const int drawn = dots();
    const std::pair<int, int> outside[] = {{-1, 0},      {0, -1},       {537, 0},
                                           {0, 1000},    {INT_MAX, 5},  {5, INT_MIN},
                                           {INT_MIN, 0}, {40000, 40000}};
    for (const auto& [x, y] : outside) {
        surface.SetPixel(x, y, true);
        EXPECT_EQ(std::pair(surface.TextX(), surface.TextY()), std::pair(x, y));
    }
    for (int i = 0; i < 3'000'000; ++i)
        surface.NewLine();
    surface.Print("lost");
    EXPECT_EQ(dots(), drawn);

    QImage tall(600, 1500, QImage::Format_RGB32);
    tall.fill(Qt::white);
    QPainter(&tall).fillRect(0, 0, 20, 10, Qt::black);
    ASSERT_TRUE(surface.LoadPicture(EncodePng(tall)));
    EXPECT_EQ(surface.Picture().size(), QSize(600, 1500)) << "nothing of it is cut off";
    EXPECT_EQ(BlackDots(surface.Picture(), QRect(0, 0, 20, 10)), 200) << "at the top left";
    EXPECT_FALSE(surface.LoadPicture({"not a png", 3, 3}) || surface.LoadPicture({}));
    surface.SetPixel(599, 1499, true);
    EXPECT_EQ(dots(), 201) << "the loaded picture only; a refused one changes nothing";
    surface.RemovePicture();
    EXPECT_EQ(std::pair(surface.Picture().size(), dots()), std::pair(QSize(537, 1000), 0));
    surface.SetPixel(5, 5, true);
    surface.Clear();
    EXPECT_EQ(std::tuple(dots(), surface.TextX(), surface.TextY()), std::tuple(0, 0, 0));
}

// Text goes to other programs as the characters it stands for and comes back byte for byte.
TEST(SurfaceTest, TheClipboardHoldsPicturesAndWindows1252Text) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    QtClipboard clipboard;
    QtPictureSurface surface;
    surface.SetPixel(3, 4, true);
    clipboard.SetImage(surface.Image());
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixel(3, 4), qRgb(0, 0, 0));
    clipboard.SetText("LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("LEVEL -12.5 dB °é€\r\n"));
    EXPECT_EQ(clipboard.Text(), "LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    clipboard.SetImage(EncodedImage{"garbage", 1, 1});
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull() && clipboard.Text().empty());
}

} // namespace
} // namespace orvane
