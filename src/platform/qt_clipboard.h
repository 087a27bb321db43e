#pragma once
// The system clipboard through Qt.

#include "workspace/clipboard.h"

namespace orvane {

class QtClipboard final : public Clipboard {
  public:
    void Clear() override;
    void SetText(std::string_view text) override;
    std::string Text() override;
    // Puts the picture on the clipboard as an image; bytes that are no picture leave it empty.
    void SetImage(const EncodedImage& image) override;
};

} // namespace orvane
