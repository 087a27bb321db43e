#include "platform/qt_picture_surface.h"

#include "platform/cp1252.h"
#include "platform/png_codec.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace orvane {
namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
// Text positions stop growing here, far beyond any picture, so endless text or line feeds
// cannot overflow them.
constexpr int FarAway = 1 << 24;

// Courier New 9.75 pt at 96 dpi. A pixel size, not a point size, so that both surfaces and
// every screen draw the same dots; the typewriter hint picks a metric-compatible monospace
// font where Courier New is not installed.
QFont SurfaceFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    return font;
}

} // namespace

QtPictureSurface::QtPictureSurface() : font_(SurfaceFont()) {
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    lineHeight_ = metrics.height();
    Blank(DefaultWidth, DefaultHeight);
}

void QtPictureSurface::Blank(int width, int height) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(White);
    TakePixels();
}

void QtPictureSurface::TakePixels() {
    pixels_ = image_.bits();
    bytesPerLine_ = image_.bytesPerLine();
    width_ = image_.width();
    height_ = image_.height();
}

void QtPictureSurface::Clear() {
    Blank(DefaultWidth, DefaultHeight);
    textX_ = 0;
    textY_ = 0;
}

bool QtPictureSurface::LoadPicture(const EncodedImage& image) {
    const std::optional<QImage> picture = DecodePng(image.png);
    if (!picture)
        return false;
    SetPicture(*picture);
    return true;
}

void QtPictureSurface::RemovePicture() {
    Blank(DefaultWidth, DefaultHeight);
}

void QtPictureSurface::SetPicture(const QImage& picture) {
    Blank(std::max(DefaultWidth, picture.width()), std::max(DefaultHeight, picture.height()));
    {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture);
    }
    TakePixels();
}

void QtPictureSurface::SetPixel(int x, int y, bool black) {
    textX_ = x;
    textY_ = y;
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
        return;
    reinterpret_cast<QRgb*>(pixels_ + y * bytesPerLine_)[x] = black ? Black : White;
}

void QtPictureSurface::Print(std::string_view text) {
    const QString characters = FromCp1252(text);
    if (textX_ < width_ && textY_ < height_) { // else nothing of it would show
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(QColor(Black));
        painter.drawText(QPoint(textX_, textY_ + ascent_), characters);
        painter.end();
        TakePixels();
    }
    textX_ = std::min(textX_ + QFontMetrics(font_).horizontalAdvance(characters), FarAway);
}

void QtPictureSurface::NewLine() {
    textX_ = 0;
    textY_ = std::min(textY_ + lineHeight_, FarAway);
}

EncodedImage QtPictureSurface::Image() const {
    return EncodePng(image_);
}

} // namespace orvane
