#include "workspace/disk_file_system.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Runs a file operation; anything thrown (allocation failure, a path the platform rejects)
// becomes the operation's failure value.
template <typename Result, typename Operation>
Result Guarded(Result failure, Operation operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return failure;
    }
}

#ifdef _WIN32
// Paths are 8-bit text in the ANSI code page, as the C library's own file calls (fopen)
// and the dialogs hand them over; std::filesystem would read the bytes another way.
std::wstring Wide(const std::string& path) {
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), length);
    return wide;
}

fs::path NativePath(const std::string& path) {
    return fs::path(Wide(path));
}

// Puts `temporary` in the place of `path` in one step. An existing file keeps its
// attributes and security; a read-only one refuses to be replaced.
bool MoveOver(const std::string& temporary, const std::string& path) {
    const std::wstring from = Wide(temporary);
    const std::wstring to = Wide(path);
    if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr))
        return true;
    return GetLastError() == ERROR_FILE_NOT_FOUND &&
           MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
}
#else
const std::string& NativePath(const std::string& path) {
    return path;
}
#endif

int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// A name beside `path` that no other writer of this or another process uses at the moment.
std::string TemporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(ProcessId()) + "-" + std::to_string(++counter) + ".tmp";
}

bool FlushToDevice(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// The end of the chain of symbolic links that starts at `path` (followed whether the last one
// dangles or not), or `path` itself. Nullopt for a chain that loops.
std::optional<fs::path> FinalTarget(const fs::path& path) {
    constexpr int MaxLinks = 40; // as many as the system itself follows
    fs::path target = path;
    for (int links = 0; links <= MaxLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error)))
            return target;
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return std::nullopt;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

// Where a write to `path` lands: a link's target, so that the link stays a link. (Windows:
// the path itself; ReplaceFileW deals with what it names.)
std::optional<std::string> WriteTarget(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    const std::optional<fs::path> target = FinalTarget(path);
    return target ? std::optional(target->string()) : std::nullopt;
#endif
}

// The file may not be written: the read-only attribute, no write permission for its owner
// (what SetReadOnly sets) or for this process. Replacing it would pass the protection by.
bool IsWriteProtected(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return (status.st_mode & S_IWUSR) == 0 || access(path.c_str(), W_OK) != 0;
#endif
}

// The mode a replacement of `path` is to get: that of the file it replaces (Windows: the
// replace itself keeps the attributes). -1: none, a new file gets the default.
int ModeToKeep([[maybe_unused]] const std::string& path) {
#ifdef _WIN32
    return -1;
#else
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
#endif
}

bool WriteWhole(const std::string& path, std::string_view bytes, [[maybe_unused]] int mode) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = true;
#ifndef _WIN32
    if (mode >= 0)
        written = fchmod(fileno(file), static_cast<mode_t>(mode)) == 0;
#endif
    written = written && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && FlushToDevice(file);
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

// Puts `temporary` in the place of `path` for good: after a rename the new name lives in the
// folder, and only a synced folder keeps it over a power cut.
bool MoveInPlace(const std::string& temporary, const std::string& path) {
#ifdef _WIN32
    return MoveOver(temporary, path);
#else
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error)
        return false;
    const fs::path folder = fs::path(path).parent_path();
    const int handle = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return false;
    const bool synced = fsync(handle) == 0;
    return close(handle) == 0 && synced;
#endif
}

} // namespace

bool DiskFileSystem::Exists(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        return fs::exists(NativePath(path), error);
    });
}

bool DiskFileSystem::IsDirectory(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        return fs::is_directory(NativePath(path), error);
    });
}

bool DiskFileSystem::MakeDirectory(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        fs::create_directory(NativePath(path), error);
        return fs::is_directory(NativePath(path), error);
    });
}

bool DiskFileSystem::Remove(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(NativePath(path), error);
        if (status.type() == fs::file_type::not_found)
            return true;
        if (status.type() == fs::file_type::directory)
            return false;
        fs::remove(NativePath(path), error);
        return !error && !fs::exists(fs::symlink_status(NativePath(path), error));
    });
}

std::optional<std::string> DiskFileSystem::Read(const std::string& path) {
    return Guarded(std::optional<std::string>{}, [&]() -> std::optional<std::string> {
        std::error_code error;
        if (fs::is_directory(NativePath(path), error))
            return std::nullopt;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file)
            return std::nullopt;
        std::string bytes;
        char chunk[1 << 16];
        std::size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, got);
        const bool failed = std::ferror(file) != 0;
        std::fclose(file);
        if (failed)
            return std::nullopt;
        return bytes;
    });
}

bool DiskFileSystem::Write(const std::string& path, std::string_view bytes) {
    return Guarded(false, [&] {
        const std::optional<std::string> target = WriteTarget(path);
        std::error_code error;
        if (!target || fs::is_directory(NativePath(*target), error) || IsWriteProtected(*target))
            return false;
        const std::string temporary = TemporaryNameBeside(*target);
        if (WriteWhole(temporary, bytes, ModeToKeep(*target)) && MoveInPlace(temporary, *target))
            return true;
        fs::remove(NativePath(temporary), error);
        return false;
    });
}

bool DiskFileSystem::Append(const std::string& path, std::string_view bytes) {
    return Guarded(false, [&] {
        std::error_code error;
        if (fs::is_directory(NativePath(path), error) || IsWriteProtected(path))
            return false;
        std::FILE* file = std::fopen(path.c_str(), "ab");
        if (!file)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        const bool flushed = std::fflush(file) == 0;
        const bool closed = std::fclose(file) == 0;
        return written && flushed && closed;
    });
}

// Read and written whole, so that the copy lands as every other write does.
bool DiskFileSystem::Copy(const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = Read(from);
    return bytes && Write(to, *bytes);
}

bool DiskFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    return Guarded(false, [&] {
#ifdef _WIN32
        const std::wstring wide = Wide(path);
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return false;
        const DWORD wanted = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                      : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
        return wanted == attributes ||
               SetFileAttributesW(wide.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL) != 0;
#else
        std::error_code error;
        fs::permissions(path, fs::perms::owner_write,
                        readOnly ? fs::perm_options::remove : fs::perm_options::add, error);
        return !error;
#endif
    });
}

bool DiskFileSystem::IsInside(const std::string& path, const std::string& folder) {
    return Guarded(false, [&] {
        const std::optional<fs::path> target = FinalTarget(NativePath(path));
        if (!target)
            return false;
        std::error_code whereError, homeError;
        const fs::path where = fs::weakly_canonical(target->parent_path(), whereError);
        const fs::path home = fs::weakly_canonical(NativePath(folder), homeError);
        return !whereError && !homeError && where == home && target->filename() != ".." &&
               target->filename() != ".";
    });
}

} // namespace orvane
