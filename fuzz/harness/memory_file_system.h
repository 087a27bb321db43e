#pragma once
// A file system held in memory: fast enough to run for every fuzz input, and nothing the
// code under test does can reach the real disk.

#include "workspace/services.h"

#include <map>
#include <set>
#include <string>

namespace orvane::fuzzing {

class MemoryFileSystem final : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> directories;

    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool Remove(const std::string& path) override;
    std::optional<std::string> Read(const std::string& path) override;
    bool Write(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool SetReadOnly(const std::string& path, bool readOnly) override;
    // Holds no links: a path is inside the folder it starts with.
    bool IsInside(const std::string& path, const std::string& folder) override;
};

} // namespace orvane::fuzzing
