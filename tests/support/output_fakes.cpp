#include "support/output_fakes.h"

namespace orvane::testing {

EncodedImage SamplePng() {
    static constexpr char Png[] = "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52"
                                  "\x00\x00\x00\x04\x00\x00\x00\x03\x08\x00\x00\x00\x00\x91\x9f\xf1"
                                  "\x1a\x00\x00\x00\x0f\x49\x44\x41\x54\x78\x9c\x63\x60\xf8\x0f\x85"
                                  "\x0c\x20\x12\x00\x2b\xe3\x05\xfb\x10\x2e\x35\x48\x00\x00\x00\x00"
                                  "\x49\x45\x4e\x44\xae\x42\x60\x82";
    return EncodedImage{std::string(Png, sizeof Png - 1), 4, 3};
}

void RecordingClipboard::Clear() {
    ++clears;
    text.clear();
    image = {};
}

bool RecordingLauncher::OpenInWordProcessor(const std::string& path, OfficeFile kind) {
    wordProcessorFiles.push_back(path);
    wordProcessorKinds.push_back(kind);
    return wordProcessorStarts;
}

bool RecordingLauncher::OpenInSpreadsheet(const std::string& path) {
    spreadsheetFiles.push_back(path);
    return spreadsheetInstalled;
}

bool FixedPictureSurface::LoadPicture(const EncodedImage& image) {
    image_ = image;
    return true;
}

bool RefusingFileSystem::Write(const std::string& path, std::string_view bytes) {
    return path != refused_ && inner_.Write(path, bytes);
}

bool RefusingFileSystem::Append(const std::string& path, std::string_view bytes) {
    return path != refused_ && inner_.Append(path, bytes);
}

bool RefusingFileSystem::Copy(const std::string& from, const std::string& to) {
    return to != refused_ && inner_.Copy(from, to);
}

} // namespace orvane::testing
