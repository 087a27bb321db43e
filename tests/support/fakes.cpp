#include "support/fakes.h"

#include <fstream>
#include <random>
#include <sstream>

namespace orvane::testing {

std::string FakeClock::TimeText(const LocalTime& time) {
    char text[32];
    if (format == Format::TwelveHour) {
        const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
        std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour12, time.minute, time.second,
                      time.hour < 12 ? "AM" : "PM");
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    }
    return text;
}

bool FakeDialogs::Confirm(std::string_view text) {
    confirmations.emplace_back(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

TempDir::TempDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("orvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Read-only files (the index) must not keep the folder alive.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace orvane::testing
