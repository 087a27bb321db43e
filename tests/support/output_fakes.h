#pragma once
// Test doubles for the save, print and export commands.

#include "output/launcher.h"
#include "serial/picture_surface.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"

#include <string>
#include <vector>

namespace orvane::testing {

// A 4 x 3 grey PNG: rows 0 and 2 black-white-black-white, row 1 the opposite.
inline EncodedImage SamplePng() {
    static constexpr char Png[] = "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52"
                                  "\x00\x00\x00\x04\x00\x00\x00\x03\x08\x00\x00\x00\x00\x91\x9f\xf1"
                                  "\x1a\x00\x00\x00\x0f\x49\x44\x41\x54\x78\x9c\x63\x60\xf8\x0f\x85"
                                  "\x0c\x20\x12\x00\x2b\xe3\x05\xfb\x10\x2e\x35\x48\x00\x00\x00\x00"
                                  "\x49\x45\x4e\x44\xae\x42\x60\x82";
    return EncodedImage{std::string(Png, sizeof Png - 1), 4, 3};
}

// Remembers what was put on it.
class RecordingClipboard final : public Clipboard {
  public:
    std::string text;
    EncodedImage image;
    int clears = 0;

    void Clear() override {
        ++clears;
        text.clear();
        image = {};
    }
    void SetText(std::string_view value) override { text = value; }
    std::string Text() override { return text; }
    void SetImage(const EncodedImage& value) override { image = value; }
};

// Records the files it was asked to open; answers as configured.
class RecordingLauncher final : public Launcher {
  public:
    bool wordProcessorStarts = true;
    bool spreadsheetInstalled = true;
    std::vector<std::string> wordProcessorFiles;
    std::vector<OfficeFile> wordProcessorKinds;
    std::vector<std::string> spreadsheetFiles;

    bool OpenInWordProcessor(const std::string& path, OfficeFile kind) override {
        wordProcessorFiles.push_back(path);
        wordProcessorKinds.push_back(kind);
        return wordProcessorStarts;
    }
    bool HasSpreadsheet() override { return spreadsheetInstalled; }
    bool OpenInSpreadsheet(const std::string& path) override {
        spreadsheetFiles.push_back(path);
        return spreadsheetInstalled;
    }
};

// A surface whose picture is fixed; drawing is not needed by the output commands.
class FixedPictureSurface final : public PictureSurface {
  public:
    explicit FixedPictureSurface(EncodedImage image) : image_(std::move(image)) {}
    void Clear() override {}
    bool LoadPicture(const EncodedImage& image) override { return image_ = image, true; }
    void RemovePicture() override {}
    void SetPixel(int, int, bool) override {}
    void Print(std::string_view) override {}
    void NewLine() override {}
    EncodedImage Image() const override { return image_; }

  private:
    EncodedImage image_;
};

// Passes everything to another file system, except that writes and appends to one chosen
// path fail, as on a full or write-protected disk.
class RefusingFileSystem final : public FileSystem {
  public:
    RefusingFileSystem(FileSystem& inner, std::string refusedPath)
        : inner_(inner), refused_(std::move(refusedPath)) {}
    bool Exists(const std::string& path) override { return inner_.Exists(path); }
    bool IsDirectory(const std::string& path) override { return inner_.IsDirectory(path); }
    bool MakeDirectory(const std::string& path) override { return inner_.MakeDirectory(path); }
    bool Remove(const std::string& path) override { return inner_.Remove(path); }
    std::optional<std::string> Read(const std::string& path) override { return inner_.Read(path); }
    bool Write(const std::string& path, std::string_view bytes) override {
        return path != refused_ && inner_.Write(path, bytes);
    }
    bool Append(const std::string& path, std::string_view bytes) override {
        return path != refused_ && inner_.Append(path, bytes);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        return to != refused_ && inner_.Copy(from, to);
    }
    bool SetReadOnly(const std::string& path, bool readOnly) override {
        return inner_.SetReadOnly(path, readOnly);
    }
    bool IsInside(const std::string& path, const std::string& folder) override {
        return inner_.IsInside(path, folder);
    }

  private:
    FileSystem& inner_;
    std::string refused_;
};

} // namespace orvane::testing
