#include "harness/digest_fakes.h"

#include "harness/require.h"

namespace orvane::fuzzing {

namespace {

// The width the fixed-pitch font gives one character and the height of a line, in pixels.
constexpr int CharWidth = 8;
constexpr int LineHeight = 16;

} // namespace

void DigestSurface::Clear() {
    digest_.AddBytes("clear");
    textX_ = 0;
    textY_ = 0;
}

bool DigestSurface::LoadPicture(const EncodedImage& image) {
    digest_.AddBytes("load");
    digest_.AddBytes(image.png);
    return !image.png.empty();
}

void DigestSurface::RemovePicture() {
    digest_.AddBytes("remove");
}

void DigestSurface::SetPixel(int x, int y, bool black) {
    ORVANE_REQUIRE(x >= 0 && y >= 0);
    // x and y stay below 2^31 (16-bit band and column counters times 8 at most).
    digest_.AddNumber((static_cast<std::int64_t>(x) << 32 | static_cast<std::int64_t>(y)) * 2 +
                      (black ? 1 : 0));
    textX_ = x;
    textY_ = y;
}

void DigestSurface::Print(std::string_view text) {
    digest_.AddBytes("print");
    digest_.AddNumber(textX_);
    digest_.AddNumber(textY_);
    digest_.AddBytes(text);
    textX_ += CharWidth * static_cast<int>(text.size());
}

void DigestSurface::NewLine() {
    digest_.AddBytes("newline");
    textX_ = 0;
    textY_ += LineHeight;
}

EncodedImage DigestSurface::Image() const {
    EncodedImage image;
    image.png = std::to_string(digest_.Value());
    image.width = 1;
    image.height = 1;
    return image;
}

void DigestClipboard::SetText(std::string_view text) {
    digest_.AddBytes("text");
    digest_.AddBytes(text);
    text_ = text;
}

void DigestClipboard::SetImage(const EncodedImage& image) {
    digest_.AddBytes("image");
    digest_.AddBytes(image.png);
}

bool DigestFiler::File(const EncodedImage& image, const std::string& recordPath) {
    digest_.AddBytes(recordPath);
    digest_.AddBytes(image.png);
    return HashOf(recordPath) % 4 != 0;
}

} // namespace orvane::fuzzing
