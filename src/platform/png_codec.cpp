#include "platform/png_codec.h"

#include <QBuffer>
#include <QByteArray>

#include <limits>

namespace orvane {

EncodedImage EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return EncodedImage{std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        image.width(), image.height()};
}

std::optional<QImage> DecodePng(std::string_view png) {
    if (png.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return std::nullopt;
    QImage image = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                    static_cast<int>(png.size()), "PNG");
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace orvane
