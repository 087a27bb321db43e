#pragma once
// Cheap stand-ins for the acquisition's picture surfaces, clipboard and picture filer: each
// keeps a fingerprint of the calls it received instead of pixels or files.

#include "harness/digest.h"
#include "serial/acquisition_picture_filer.h"
#include "serial/picture_surface.h"
#include "workspace/clipboard.h"

#include <string>

namespace orvane::fuzzing {

// Checks that no dot is ever set at a negative position: the decoder's drawing position
// starts at the top left and only moves right and down.
class DigestSurface final : public PictureSurface {
  public:
    void Clear() override;
    bool LoadPicture(const EncodedImage& image) override;
    void RemovePicture() override;
    void SetPixel(int x, int y, bool black) override;
    void Print(std::string_view text) override;
    void NewLine() override;
    // The fingerprint so far, as the picture's bytes.
    EncodedImage Image() const override;

    std::uint64_t Fingerprint() const { return digest_.Value(); }

  private:
    Digest digest_;
    int textX_ = 0;
    int textY_ = 0;
};

class DigestClipboard final : public Clipboard {
  public:
    void Clear() override { digest_.AddBytes("clear"); }
    void SetText(std::string_view text) override;
    std::string Text() override { return text_; }
    void SetImage(const EncodedImage& image) override;

    std::uint64_t Fingerprint() const { return digest_.Value(); }

  private:
    Digest digest_;
    std::string text_;
};

// Fails for about one record path in four, as a full or write-protected disk would; always
// for the same paths, so runs over the same bytes fail alike.
class DigestFiler final : public PictureFiler {
  public:
    bool File(const EncodedImage& image, const std::string& recordPath) override;

    std::uint64_t Fingerprint() const { return digest_.Value(); }

  private:
    Digest digest_;
};

} // namespace orvane::fuzzing
