#include "harness/memory_file_system.h"

#include "workspace/data_paths.h"

#include <string_view>

namespace orvane::fuzzing {

bool MemoryFileSystem::Exists(const std::string& path) {
    return files.contains(path) || directories.contains(path);
}

bool MemoryFileSystem::IsDirectory(const std::string& path) {
    return directories.contains(path);
}

bool MemoryFileSystem::MakeDirectory(const std::string& path) {
    if (files.contains(path))
        return false;
    directories.insert(path);
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    files.erase(path);
    return !files.contains(path) && !directories.contains(path);
}

std::optional<std::string> MemoryFileSystem::Read(const std::string& path) {
    const auto file = files.find(path);
    if (file == files.end())
        return std::nullopt;
    return file->second;
}

bool MemoryFileSystem::Write(const std::string& path, std::string_view bytes) {
    if (directories.contains(path))
        return false;
    files[path] = std::string(bytes);
    return true;
}

bool MemoryFileSystem::Append(const std::string& path, std::string_view bytes) {
    if (directories.contains(path))
        return false;
    files[path] += bytes;
    return true;
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to) {
    const auto file = files.find(from);
    return file != files.end() && Write(to, std::string(file->second));
}

bool MemoryFileSystem::SetReadOnly(const std::string& path, bool) {
    return files.contains(path);
}

bool MemoryFileSystem::IsInside(const std::string& path, const std::string& folder) {
    const std::string_view view(path);
    return view.size() > folder.size() + 1 && view.starts_with(folder) &&
           view[folder.size()] == PathSeparator &&
           view.find_first_of("/\\", folder.size() + 1) == std::string_view::npos;
}

} // namespace orvane::fuzzing
