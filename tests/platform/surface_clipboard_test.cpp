#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace orvane {
namespace {

class ClipboardTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    QtClipboard clipboard;
};

TEST_F(ClipboardTest, TextTravelsAsWindows1252AndClearRemovesIt) {
    clipboard.SetText("LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("LEVEL -12.5 dB °é€\r\n"));
    EXPECT_EQ(clipboard.Text(), "LEVEL -12.5 dB \xb0\xe9\x80\r\n");
    clipboard.Clear();
    EXPECT_EQ(clipboard.Text(), "");
}

TEST_F(ClipboardTest, HoldsTheSurfacesPictureAndNothingForBytesThatAreNone) {
    QtPictureSurface surface;
    surface.SetPixel(5, 5, true);
    surface.Print("GRAPH");
    clipboard.SetImage(surface.Image());
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              surface.Picture());

    clipboard.SetText("old");
    clipboard.SetImage(EncodedImage{"garbage", 1, 1});
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_EQ(clipboard.Text(), "");
}

} // namespace
} // namespace orvane
