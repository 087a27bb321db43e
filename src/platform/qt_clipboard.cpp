#include "platform/qt_clipboard.h"

#include "platform/cp1252.h"
#include "platform/png_codec.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orvane {

void QtClipboard::Clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::SetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(FromCp1252(text));
}

std::string QtClipboard::Text() {
    return ToCp1252(QGuiApplication::clipboard()->text());
}

void QtClipboard::SetImage(const EncodedImage& image) {
    const std::optional<QImage> picture = DecodePng(image.png);
    if (picture)
        QGuiApplication::clipboard()->setImage(*picture);
    else
        QGuiApplication::clipboard()->clear();
}

} // namespace orvane
