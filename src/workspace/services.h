#pragma once
// The small interfaces through which the core reaches the user and the disk.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {

// Message boxes. Texts are in the encoding of file names (UTF-8; the ANSI code page on
// Windows), so that the paths they name show as they are; the fixed texts are plain ASCII.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message with one OK button.
    virtual void Message(std::string_view text) = 0;
    // A confirmation with OK and Cancel; true for OK.
    virtual bool Confirm(std::string_view text) = 0;
};

// Files are byte strings: no newline translation, no encoding change.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0; // a file or a directory
    virtual bool IsDirectory(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0; // one level; true if it exists now
    virtual bool Remove(const std::string& path) = 0;        // true if it is gone now
    virtual std::optional<std::string> Read(const std::string& path) = 0;
    // Replaces the file whole: written beside it, flushed, then renamed over it, so a crash
    // leaves either the old or the new content.
    virtual bool Write(const std::string& path, std::string_view bytes) = 0;
    virtual bool Append(const std::string& path, std::string_view bytes) = 0;
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    virtual bool SetReadOnly(const std::string& path, bool readOnly) = 0;
    // True when `path`, with every symbolic link on its way followed, names an entry right
    // inside `folder` (whose links are followed too), whether that entry exists or not.
    virtual bool IsInside(const std::string& path, const std::string& folder) = 0;
};

// Keeps two running copies of the program off the same files: each lock is a file beside
// the file it guards, and a lock left by a copy that has died is taken over.
class FileLocks {
  public:
    virtual ~FileLocks() = default;
    // Takes the lock of `path` without waiting; true also when this copy holds it already.
    // False when another running copy holds it: `path` is then that copy's to use.
    virtual bool Lock(const std::string& path) = 0;
    virtual void Unlock(const std::string& path) = 0;
};

// Holds the lock of `path` for the life of the object; with no locks there is nothing to hold.
class ScopedLock {
  public:
    ScopedLock(FileLocks* locks, std::string path)
        : locks_(locks), path_(std::move(path)), held_(!locks_ || locks_->Lock(path_)) {}
    ~ScopedLock() {
        if (locks_ && held_)
            locks_->Unlock(path_);
    }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

    // False: another running copy holds the lock, and `path` is that copy's to use.
    bool held() const { return held_; }

  private:
    FileLocks* locks_;
    std::string path_;
    bool held_;
};

struct LocalTime {
    int year = 2000, month = 1, day = 1; // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    // The time rendered in the user's standard time format, in UTF-8.
    virtual std::string TimeText(const LocalTime& time) = 0;
};

// A sheet of paper in twips (1/1440 inch); A4 unless the user's locale takes Letter.
struct PaperSize {
    int width = 11906;
    int height = 16838;
};

// Everything a procedure may reach beyond the tables and the window state.
struct Services {
    FileSystem& files;
    Clock& clock;
    Dialogs& dialogs;
    std::string dataRoot; // C:\PLX on Windows, ~/PLX elsewhere, or KAVREL_DATA_ROOT
    // Null where no other copy of the program can share the data root (tests, benchmarks).
    FileLocks* locks = nullptr;
    PaperSize paper = {}; // the page picture documents are laid out on
};

} // namespace orvane
