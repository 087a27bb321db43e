#pragma once
// A picture surface that keeps its dots in a grid and remembers every printed text with the
// position it was drawn at, so tests can check what a stream drew.

#include "serial/picture_surface.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace orvane::testing {

class RecordingSurface final : public PictureSurface {
  public:
    // Character cell of the fixed-pitch font, in pixels.
    static constexpr int CharWidth = 8;
    static constexpr int LineHeight = 16;

    struct PrintedText {
        int x = 0;
        int y = 0;
        std::string text;
    };

    // The hidden picture of the window is 537 x 1000 pixels.
    explicit RecordingSurface(int width = 537, int height = 1000)
        : width_(width), height_(height), dots_(static_cast<std::size_t>(width * height)) {}

    void Clear() override {
        std::fill(dots_.begin(), dots_.end(), Unwritten);
        printed.clear();
        textX = textY = 0;
    }
    bool LoadPicture(const EncodedImage& image) override {
        if (!image.png.empty())
            loaded = image;
        return !image.png.empty();
    }
    void RemovePicture() override { loaded = {}; }
    void SetPixel(int x, int y, bool black) override {
        ++pixelCalls;
        textX = x;
        textY = y;
        if (Inside(x, y))
            Dot(x, y) = black ? Black : White;
    }
    void Print(std::string_view text) override {
        printed.push_back({textX, textY, std::string(text)});
        textX += CharWidth * static_cast<int>(text.size());
    }
    void NewLine() override {
        textX = 0;
        textY += LineHeight;
    }
    // Not PNG: a plain rendering of the grid ("width height" then one '0'/'1' per dot),
    // enough to tell two pictures apart.
    EncodedImage Image() const override {
        EncodedImage image{std::to_string(width_) + " " + std::to_string(height_) + "\n", width_,
                           height_};
        for (const char dot : dots_)
            image.png += dot == Black ? '1' : '0';
        return image;
    }

    // False outside the grid and for white dots.
    bool IsBlack(int x, int y) const { return Inside(x, y) && Dot(x, y) == Black; }
    std::size_t BlackCount() const {
        return static_cast<std::size_t>(std::count(dots_.begin(), dots_.end(), Black));
    }

    int textX = 0;
    int textY = 0;
    std::vector<PrintedText> printed; // since the last Clear
    EncodedImage loaded;              // the picture given by LoadPicture, until removed
    std::size_t pixelCalls = 0; // SetPixel calls, clipped ones included

  private:
    enum : char { Unwritten = 0, White = 1, Black = 2 };
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    char& Dot(int x, int y) { return dots_[static_cast<std::size_t>(y * width_ + x)]; }
    char Dot(int x, int y) const { return dots_[static_cast<std::size_t>(y * width_ + x)]; }

    int width_;
    int height_;
    std::vector<char> dots_;
};

} // namespace orvane::testing
