#pragma once
// Files the acquisition's finished pictures as picture documents.

#include "serial/acquisition_picture_filer.h"
#include "workspace/services.h"

#include <string>

namespace orvane {

class DocumentPictureFiler final : public PictureFiler {
  public:
    DocumentPictureFiler(FileSystem& files, std::string dataRoot, FileLocks* locks = nullptr,
                         PaperSize paper = {})
        : files_(files), dataRoot_(std::move(dataRoot)), locks_(locks), paper_(paper) {}

    bool File(const EncodedImage& image, const std::string& recordPath) override;

  private:
    FileSystem& files_;
    std::string dataRoot_;
    FileLocks* locks_;
    PaperSize paper_;
};

} // namespace orvane
