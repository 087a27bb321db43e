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
    // Writes a temporary file beside the target, flushes it to the device, renames it over the
    // target and syncs the folder. A symbolic link is followed: its target is replaced, with
    // the mode it had. Fails, leaving the target untouched, on a read-only file (whoever
    // runs the program), a directory, or a chain of links that loops.
    bool Write(const std::string& path, std::string_view bytes) override;
    // Fails on a read-only file, as Write does.
    bool Append(const std::string& path, std::string_view bytes) override;
    // As Write, with the bytes of `from`.
    bool Copy(const std::string& from, const std::string& to) override;
    // POSIX: the owner's write permission; Windows: the read-only attribute.
    bool SetReadOnly(const std::string& path, bool readOnly) override;
    bool IsInside(const std::string& path, const std::string& folder) override;
};

} // namespace orvane
