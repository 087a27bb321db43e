#pragma once
// Test doubles shared by the test programs.

#include "workspace/services.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// A clock that stands still until told to move; its time text follows a chosen format.
class FakeClock final : public Clock {
  public:
    enum class Format { TwelveHour, TwentyFourHour };
    LocalTime now{2026, 12, 5, 3, 56, 51};
    Format format = Format::TwelveHour;

    LocalTime Now() override { return now; }
    std::string TimeText(const LocalTime& time) override;
};

// Records every message and answers confirmations from a queue (OK when it is empty). A
// message box runs the event loop while it is open: `whileShown` stands for that.
class FakeDialogs final : public Dialogs {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> confirmations;
    std::vector<bool> answers;
    std::function<void()> whileShown;

    void Message(std::string_view text) override {
        messages.emplace_back(text);
        if (whileShown)
            whileShown();
    }
    bool Confirm(std::string_view text) override;
};

// Locks held by this copy and, as chosen, by another running copy of the program.
class FakeLocks final : public FileLocks {
  public:
    std::set<std::string> held, heldElsewhere;

    bool Lock(const std::string& path) override {
        if (heldElsewhere.contains(path))
            return false;
        held.insert(path);
        return true;
    }
    void Unlock(const std::string& path) override { held.erase(path); }
};

// A fresh directory under the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace orvane::testing
