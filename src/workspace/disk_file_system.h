#pragma once
// The file system of the running program: files as byte strings, written atomically.

#include "workspace/services.h"

namespace orvane {

// Every operation reports failure through its result; no exception leaves this class.
class DiskFileSystem final : public FileSystem {
  public:
    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    // Removes a file; directories are never removed.
    bool Remove(const std::string& path) override;
    std::optional<std::string> Read(const std::string& path) override;
    // Writes a temporary file beside the target, flushes it to the device and renames it over
    // the target. Fails (leaving the target untouched) where the target may not be replaced,
    // e.g. a read-only file on Windows or a directory.
    bool Write(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    // POSIX: the owner's write permission; Windows: the read-only attribute.
    bool SetReadOnly(const std::string& path, bool readOnly) override;
};

} // namespace orvane
