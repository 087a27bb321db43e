#include "workspace/disk_file_system.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
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

bool WriteWhole(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && FlushToDevice(file);
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
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
        std::error_code error;
        if (fs::is_directory(NativePath(path), error))
            return false;
        const std::string temporary = TemporaryNameBeside(path);
        bool replaced = WriteWhole(temporary, bytes);
        if (replaced) {
#ifdef _WIN32
            replaced = MoveOver(temporary, path);
#else
            fs::rename(temporary, path, error);
            replaced = !error;
#endif
        }
        if (!replaced) {
            fs::remove(NativePath(temporary), error);
            return false;
        }
        return true;
    });
}

bool DiskFileSystem::Append(const std::string& path, std::string_view bytes) {
    return Guarded(false, [&] {
        std::error_code error;
        if (fs::is_directory(NativePath(path), error))
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

bool DiskFileSystem::Copy(const std::string& from, const std::string& to) {
    return Guarded(false, [&] {
#ifdef _WIN32
        // std::filesystem's copy_file of MinGW refuses to overwrite an existing file.
        return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
#else
        std::error_code error;
        return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
#endif
    });
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

} // namespace orvane
