#pragma once
// Passes every call to another file system after checking that its path names a file right
// inside one directory; any other path (the directory's parent, a subdirectory, "..") is a
// finding and aborts.

#include "workspace/services.h"

#include <string>

namespace orvane::fuzzing {

class ConfinedFileSystem final : public FileSystem {
  public:
    ConfinedFileSystem(FileSystem& inner, std::string directory)
        : inner_(inner), directory_(std::move(directory)) {}

    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool Remove(const std::string& path) override;
    std::optional<std::string> Read(const std::string& path) override;
    bool Write(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool SetReadOnly(const std::string& path, bool readOnly) override;
    bool IsInside(const std::string& path, const std::string& folder) override;

  private:
    const std::string& Inside(const std::string& path) const;

    FileSystem& inner_;
    std::string directory_;
};

} // namespace orvane::fuzzing
