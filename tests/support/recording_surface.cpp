#include "support/recording_surface.h"

#include <algorithm>

namespace orvane::testing {

RecordingSurface::RecordingSurface(int width, int height)
    : width_(width), height_(height), dots_(static_cast<std::size_t>(width * height), Unwritten) {}

void RecordingSurface::Clear() {
    std::fill(dots_.begin(), dots_.end(), Unwritten);
    printed.clear();
    textX = 0;
    textY = 0;
    ++clears;
}

bool RecordingSurface::LoadPicture(const EncodedImage& image) {
    if (image.png.empty())
        return false;
    loaded = image;
    return true;
}

void RecordingSurface::RemovePicture() {
    loaded = {};
    ++removals;
}

void RecordingSurface::SetPixel(int x, int y, bool black) {
    ++pixelCalls;
    textX = x;
    textY = y;
    if (Inside(x, y))
        dots_[static_cast<std::size_t>(y * width_ + x)] = black ? Black : White;
}

void RecordingSurface::Print(std::string_view text) {
    printed.push_back({textX, textY, std::string(text)});
    textX += CharWidth * static_cast<int>(text.size());
}

void RecordingSurface::NewLine() {
    textX = 0;
    textY += LineHeight;
}

EncodedImage RecordingSurface::Image() const {
    EncodedImage image;
    image.width = width_;
    image.height = height_;
    image.png = std::to_string(width_) + " " + std::to_string(height_) + "\n";
    for (const char dot : dots_)
        image.png += dot == Black ? '1' : '0';
    return image;
}

bool RecordingSurface::IsBlack(int x, int y) const {
    return Inside(x, y) && dots_[static_cast<std::size_t>(y * width_ + x)] == Black;
}

bool RecordingSurface::WasWritten(int x, int y) const {
    return Inside(x, y) && dots_[static_cast<std::size_t>(y * width_ + x)] != Unwritten;
}

std::size_t RecordingSurface::BlackCount() const {
    return static_cast<std::size_t>(std::count(dots_.begin(), dots_.end(), Black));
}

} // namespace orvane::testing
