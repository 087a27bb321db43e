#pragma once
// The system clipboard, as the editing commands, the graph filing and the exports use it.

#include "serial/picture_surface.h"

#include <string>
#include <string_view>

namespace orvane {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(std::string_view text) = 0; // Windows-1252 bytes
    virtual std::string Text() = 0;                  // empty when it holds no text
    virtual void SetImage(const EncodedImage& image) = 0;
};

} // namespace orvane
