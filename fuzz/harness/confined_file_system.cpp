#include "harness/confined_file_system.h"

#include "workspace/data_paths.h"

#include <cstdio>
#include <cstdlib>

namespace orvane::fuzzing {

const std::string& ConfinedFileSystem::Inside(const std::string& path) const {
    const std::string_view view(path);
    const bool underDirectory = view.size() > directory_.size() + 1 &&
                                view.starts_with(directory_) &&
                                view[directory_.size()] == PathSeparator;
    const std::string_view name = underDirectory ? view.substr(directory_.size() + 1) : view;
    const bool plainName = name.find_first_of("/\\") == std::string_view::npos && name != "." &&
                           name != ".." && name.find('\0') == std::string_view::npos;
    if (!underDirectory || !plainName) {
        std::fprintf(stderr, "file access outside %s: %s\n", directory_.c_str(), path.c_str());
        std::abort();
    }
    return path;
}

bool ConfinedFileSystem::Exists(const std::string& path) {
    return inner_.Exists(Inside(path));
}

bool ConfinedFileSystem::IsDirectory(const std::string& path) {
    return inner_.IsDirectory(Inside(path));
}

bool ConfinedFileSystem::MakeDirectory(const std::string& path) {
    return inner_.MakeDirectory(Inside(path));
}

bool ConfinedFileSystem::Remove(const std::string& path) {
    return inner_.Remove(Inside(path));
}

std::optional<std::string> ConfinedFileSystem::Read(const std::string& path) {
    return inner_.Read(Inside(path));
}

bool ConfinedFileSystem::Write(const std::string& path, std::string_view bytes) {
    return inner_.Write(Inside(path), bytes);
}

bool ConfinedFileSystem::Append(const std::string& path, std::string_view bytes) {
    return inner_.Append(Inside(path), bytes);
}

bool ConfinedFileSystem::Copy(const std::string& from, const std::string& to) {
    return inner_.Copy(Inside(from), Inside(to));
}

bool ConfinedFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    return inner_.SetReadOnly(Inside(path), readOnly);
}

bool ConfinedFileSystem::IsInside(const std::string& path, const std::string& folder) {
    return inner_.IsInside(Inside(path), folder);
}

} // namespace orvane::fuzzing
