#include "workspace/disk_file_system.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <process.h>
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
        return fs::exists(path, error);
    });
}

bool DiskFileSystem::IsDirectory(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        return fs::is_directory(path, error);
    });
}

bool DiskFileSystem::MakeDirectory(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        fs::create_directory(path, error);
        return fs::is_directory(path, error);
    });
}

bool DiskFileSystem::Remove(const std::string& path) {
    return Guarded(false, [&] {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(path, error);
        if (status.type() == fs::file_type::not_found)
            return true;
        if (status.type() == fs::file_type::directory)
            return false;
        fs::remove(path, error);
        return !error && !fs::exists(fs::symlink_status(path, error));
    });
}

std::optional<std::string> DiskFileSystem::Read(const std::string& path) {
    return Guarded(std::optional<std::string>{}, [&]() -> std::optional<std::string> {
        std::error_code error;
        if (fs::is_directory(path, error))
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
        if (fs::is_directory(path, error))
            return false;
        const std::string temporary = TemporaryNameBeside(path);
        bool replaced = WriteWhole(temporary, bytes);
        if (replaced) {
            fs::rename(temporary, path, error);
            replaced = !error;
        }
        if (!replaced) {
            fs::remove(temporary, error);
            return false;
        }
        return true;
    });
}

bool DiskFileSystem::Append(const std::string& path, std::string_view bytes) {
    return Guarded(false, [&] {
        std::error_code error;
        if (fs::is_directory(path, error))
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
        std::error_code error;
        return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
    });
}

bool DiskFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    return Guarded(false, [&] {
#ifdef _WIN32
        // The read-only attribute is set exactly when no write permission is left.
        constexpr fs::perms writeBits =
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
#else
        constexpr fs::perms writeBits = fs::perms::owner_write;
#endif
        std::error_code error;
        fs::permissions(path, writeBits,
                        readOnly ? fs::perm_options::remove : fs::perm_options::add, error);
        return !error;
    });
}

} // namespace orvane
