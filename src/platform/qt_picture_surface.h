#pragma once
// A picture surface on a QImage: the graph view (imgScreen) and its hidden twin (imgTemp).

#include "serial/picture_surface.h"

#include <QFont>
#include <QImage>

namespace orvane {

class QtPictureSurface final : public PictureSurface {
  public:
    // 8055 x 15000 twips at 15 twips per pixel.
    static constexpr int DefaultWidth = 537;
    static constexpr int DefaultHeight = 1000;

    QtPictureSurface();

    void Clear() override;
    bool LoadPicture(const EncodedImage& image) override;
    // Back to a blank surface of the default size; the text position stays.
    void RemovePicture() override;
    void SetPixel(int x, int y, bool black) override;
    void Print(std::string_view text) override;
    void NewLine() override;
    EncodedImage Image() const override;

    // Shows `picture` at the top left, unscaled, on a blank surface grown to hold it.
    void SetPicture(const QImage& picture);
    // The live content, for painting and printing. Take a copy() to keep a snapshot.
    const QImage& Picture() const { return image_; }

    int TextX() const { return textX_; }
    int TextY() const { return textY_; }
    int LineHeight() const { return lineHeight_; }

  private:
    void Blank(int width, int height);
    void TakePixels();

    QImage image_;
    // Rows of image_ for SetPixel; taken again after anything that may reallocate them.
    uchar* pixels_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int width_ = 0;
    int height_ = 0;
    QFont font_;
    int ascent_ = 0;
    int lineHeight_ = 0;
    int textX_ = 0;
    int textY_ = 0;
};

} // namespace orvane
