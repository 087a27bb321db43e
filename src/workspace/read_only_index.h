#pragma once
// A family's workspace as its index on disk holds it, read through a file system that refuses
// every change: for work that only reads the records (a report's PDF from the command line).

#include "workspace/services.h"
#include "workspace/workspace.h"

#include <optional>
#include <string_view>

namespace orvane {

// Forwards every read to `files`; every change fails and leaves the disk as it is.
class ReadOnlyFileSystem final : public FileSystem {
  public:
    explicit ReadOnlyFileSystem(FileSystem& files) : files_(files) {}

    bool Exists(const std::string& path) override { return files_.Exists(path); }
    bool IsDirectory(const std::string& path) override { return files_.IsDirectory(path); }
    bool MakeDirectory(const std::string& path) override { return files_.IsDirectory(path); }
    bool Remove(const std::string& path) override { return !files_.Exists(path); }
    std::optional<std::string> Read(const std::string& path) override { return files_.Read(path); }
    bool Write(const std::string&, std::string_view) override { return false; }
    bool Append(const std::string&, std::string_view) override { return false; }
    bool Copy(const std::string&, const std::string&) override { return false; }
    bool SetReadOnly(const std::string&, bool) override { return false; }
    bool IsInside(const std::string& path, const std::string& folder) override {
        return files_.IsInside(path, folder);
    }

  private:
    FileSystem& files_;
};

// Fills `ws` from the index of `targetDir` the way the window loads it, through a read-only
// view of `services.files`. The number of reports the index holds (the loader's fresh report
// is not one of them); nothing when the index is missing or cannot be read.
std::optional<int> LoadIndexReadOnly(Workspace& ws, std::string_view targetDir, Services& services);

} // namespace orvane
