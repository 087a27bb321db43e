#pragma once
// A picture the acquisition draws into: the visible graph view (imgScreen) and its hidden
// twin (imgTemp) are two of these, drawn identically. Coordinates are pixels, origin at the
// top left; text is Courier New 9.75 pt.

#include <string>
#include <string_view>

namespace orvane {

// A picture as PNG bytes with its size in pixels.
struct EncodedImage {
    std::string png;
    int width = 0;
    int height = 0;
};

class PictureSurface {
  public:
    virtual ~PictureSurface() = default;

    // Fills with the background colour (white) and puts the text position at (0, 0).
    virtual void Clear() = 0;
    // Shows a picture read back from a document at the top left, unscaled; false when the
    // bytes are not a picture.
    virtual bool LoadPicture(const EncodedImage& image) = 0;
    // Drops a picture loaded from a document (the graph view's retrieved image).
    virtual void RemovePicture() = 0;
    // Black or white dot; the text position moves to (x, y). Dots outside are clipped.
    virtual void SetPixel(int x, int y, bool black) = 0;
    // Draws the characters (Windows-1252 bytes) at the text position and advances it.
    virtual void Print(std::string_view text) = 0;
    // Text position to x = 0, one line height of the font further down.
    virtual void NewLine() = 0;
    // The current content as one image.
    virtual EncodedImage Image() const = 0;
};

} // namespace orvane
