// The reader of picture documents, on arbitrary bytes, and the writer-reader round trip.
//
// Whatever the reader returns is an intact PNG of the size it declares. The same bytes taken
// as a PNG and filed in a picture document come back byte for byte when they are an intact
// PNG, and are refused when they are not.

#include "harness/require.h"
#include "output/picture_document.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace orvane;

void CheckRead(std::string_view document) {
    const std::optional<EncodedImage> image = ReadPictureDocument(document);
    if (!image)
        return;
    int width = 0;
    int height = 0;
    ORVANE_REQUIRE(IsIntactPng(image->png, width, height));
    ORVANE_REQUIRE(width == image->width && height == image->height);
    ORVANE_REQUIRE(width > 0 && height > 0);
}

void CheckRoundTrip(std::string_view png) {
    EncodedImage image;
    image.png = std::string(png);
    const bool intact = IsIntactPng(image.png, image.width, image.height);
    const std::optional<EncodedImage> back = ReadPictureDocument(MakePictureDocument(image));
    ORVANE_REQUIRE(back.has_value() == intact);
    if (intact) {
        ORVANE_REQUIRE(back->png == image.png);
        ORVANE_REQUIRE(back->width == image.width && back->height == image.height);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckRead(bytes);
    CheckRoundTrip(bytes);
    return 0;
}
