#pragma once
// Where a finished picture of the acquisition goes: the picture record's document on disk.

#include "serial/picture_surface.h"

#include <string>

namespace orvane {

class PictureFiler {
  public:
    virtual ~PictureFiler() = default;
    // Writes `image` as the document at `recordPath` (the GRAPH record's .doc file) and
    // again as the scratch copy temp.doc in the data root. Returns false when the record's
    // document could not be written.
    virtual bool File(const EncodedImage& image, const std::string& recordPath) = 0;
};

} // namespace orvane
