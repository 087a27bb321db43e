#pragma once
// A picture surface that keeps its dots in a grid and remembers every printed text with the
// position it was drawn at, so tests can check what a stream drew.

#include "serial/picture_surface.h"

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
    explicit RecordingSurface(int width = 537, int height = 1000);

    void Clear() override;
    bool LoadPicture(const EncodedImage& image) override;
    void RemovePicture() override;
    void SetPixel(int x, int y, bool black) override;
    void Print(std::string_view text) override;
    void NewLine() override;
    // Not PNG: a plain rendering of the grid ("width height" then one '0'/'1' per dot),
    // enough to tell two pictures apart.
    EncodedImage Image() const override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // False outside the grid and for white dots.
    bool IsBlack(int x, int y) const;
    // True where a dot was ever set since the last Clear, black or white.
    bool WasWritten(int x, int y) const;
    std::size_t BlackCount() const;

    int textX = 0;
    int textY = 0;
    std::vector<PrintedText> printed; // since the last Clear
    EncodedImage loaded;              // the picture given by LoadPicture, until removed
    int clears = 0;
    int removals = 0;
    std::size_t pixelCalls = 0; // SetPixel calls, clipped ones included

  private:
    enum Dot : char { Unwritten = 0, White = 1, Black = 2 };
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_;
    int height_;
    std::vector<char> dots_;
};

} // namespace orvane::testing
