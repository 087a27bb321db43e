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
EncodedImage SamplePng();

// Remembers what was put on it.
class RecordingClipboard final : public Clipboard {
  public:
    std::string text;
    EncodedImage image;
    int clears = 0;

    void Clear() override;
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

    bool OpenInWordProcessor(const std::string& path, OfficeFile kind) override;
    bool HasSpreadsheet() override { return spreadsheetInstalled; }
    bool OpenInSpreadsheet(const std::string& path) override;
};

// A surface whose picture is fixed; drawing is not needed by the output commands.
class FixedPictureSurface final : public PictureSurface {
  public:
    explicit FixedPictureSurface(EncodedImage image) : image_(std::move(image)) {}
    void Clear() override {}
    bool LoadPicture(const EncodedImage& image) override;
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
    bool Write(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
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
