#pragma once
// Test doubles shared by the test programs.

#include "workspace/services.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
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
    std::string TimeText(const LocalTime& t) override {
        char text[32];
        if (format == Format::TwelveHour)
            std::snprintf(text, sizeof text, "%02d:%02d:%02d %s",
                          t.hour % 12 == 0 ? 12 : t.hour % 12, t.minute, t.second,
                          t.hour < 12 ? "AM" : "PM");
        else
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        return text;
    }
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
    bool Confirm(std::string_view text) override {
        confirmations.emplace_back(text);
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
};

// Locks held by this copy and, as chosen, by another running copy of the program.
class FakeLocks final : public FileLocks {
  public:
    std::set<std::string> held, heldElsewhere;

    bool Lock(const std::string& path) override {
        return !heldElsewhere.contains(path) && (held.insert(path), true);
    }
    void Unlock(const std::string& path) override { held.erase(path); }
};

// A fresh directory under the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("orvane-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        // Read-only files (the index) must not keep the folder alive.
        for (auto& entry : fs::recursive_directory_iterator(path_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace orvane::testing
