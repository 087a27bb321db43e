#pragma once
// Pictures travel between the surfaces, documents and the clipboard as PNG bytes.

#include "serial/picture_surface.h"

#include <QImage>

#include <optional>
#include <string_view>

namespace orvane {

EncodedImage EncodePng(const QImage& image);
// Nothing when the bytes are not a PNG picture.
std::optional<QImage> DecodePng(std::string_view png);

} // namespace orvane
