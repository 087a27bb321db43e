#include "output/document_picture_filer.h"

#include "output/picture_document.h"

namespace orvane {

bool DocumentPictureFiler::File(const EncodedImage& image, const std::string& recordPath) {
    return Picture_To_Document(files_, dataRoot_, image, recordPath, locks_, paper_);
}

} // namespace orvane
