#pragma once
// The document a GRAPH record is filed in: an RTF file holding the picture as an embedded
// PNG, which word processors open and show. The program writes and reads it on its own; no
// word processor is needed to file or retrieve a picture.

#include "serial/picture_surface.h"
#include "workspace/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Pixels per inch of the pictures: one pixel is 15 twips.
inline constexpr int TwipsPerPixel = 15;

// The RTF text of a one-picture document on `paper` with half-inch margins. The picture is
// declared at its own size, or scaled down to the printable area where it would not fit;
// the PNG itself stays as it is.
std::string MakePictureDocument(const EncodedImage& image, PaperSize paper = {});

// The first PNG picture of an RTF document, with the size the PNG itself declares; nothing
// when the text holds no complete, intact PNG picture.
std::optional<EncodedImage> ReadPictureDocument(std::string_view rtf);

// True when `png` is a whole PNG stream: signature, chunks with valid checksums, IHDR first
// and IEND last. Fills `width` and `height` from the IHDR chunk.
bool IsIntactPng(std::string_view png, int& width, int& height);

// Writes the picture's document at `target` and a copy as the scratch document temp.doc in
// the data root (made when missing), unless another copy of the program holds temp.doc's lock
// in `locks`. True when the target was written.
bool Picture_To_Document(FileSystem& files, std::string_view dataRoot, const EncodedImage& image,
                         const std::string& target, FileLocks* locks = nullptr,
                         PaperSize paper = {});

// The picture of the document at `path`, read back; nothing when the file is missing or is
// not a picture document.
std::optional<EncodedImage> Document_To_Picture(FileSystem& files, const std::string& path);

} // namespace orvane
