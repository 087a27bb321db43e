// Date-time stamps name every exported and recorded file: 17 safe characters, whatever the
// clock's time format or the machine's locale.

#include "output/stamps.h"
#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <string_view>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace orvane {
namespace {

using testing::FakeClock;
constexpr auto TwelveHour = FakeClock::Format::TwelveHour;
constexpr auto TwentyFourHour = FakeClock::Format::TwentyFourHour;

TEST(Stamps, PadTheDigitsEndInTheTimeFormatsSuffixAndMoveOnAcrossDaysAndYears) {
    // The time, the seconds it is moved on by, the clock's format and the stamp.
    const std::tuple<LocalTime, int, FakeClock::Format, const char*> rows[] = {
        {{2005, 1, 1, 0, 0, 0}, 0, TwelveHour, "01012005-000000AM"},
        {{2004, 12, 25, 23, 59, 58}, 0, TwelveHour, "12252004-235958PM"},
        {{2004, 3, 5, 9, 7, 3}, 0, TwelveHour, "03052004-090703AM"},
        {{2004, 3, 5, 15, 4, 5}, 0, TwentyFourHour, "03052004-15040505"},
        {{2026, 12, 31, 23, 59, 59}, 1, TwelveHour, "01012027-000000AM"},
        {{2028, 2, 28, 23, 59, 59}, 1, TwelveHour, "02292028-000000AM"},
        {{2026, 12, 5, 3, 56, 51}, 70, TwelveHour, "12052026-035801AM"}};
    for (const auto& [time, seconds, format, stamp] : rows) {
        FakeClock clock;
        clock.format = format;
        EXPECT_EQ(DateTimeStamp(clock, time, seconds), stamp) << seconds << " s on";
        clock.now = AddSeconds(time, seconds);
        EXPECT_EQ(DateTimeStamp(clock), stamp);
    }
    // Only two ASCII letters or digits end a stamp; any other ending gives the seconds.
    const std::pair<const char*, const char*> endings[] = {{"3:04:05 p.m.", "05"},
                                                           {"3:04:05 PM ", "05"},
                                                           {"15\xE6\x99\x82", "05"},
                                                           {"3:04:05 nm", "nm"}};
    for (const auto& [text, suffix] : endings)
        EXPECT_EQ(TimeStamp({2026, 12, 5, 15, 4, 5}, text), "150405" + std::string(suffix)) << text;
}

#ifdef _WIN32
// The user's regional time format decides, not the C library's 24-hour default: its
// designator where it ends in one, else the seconds.
TEST(Stamps, TheSystemClockEndsTheStampAsTheRegionalTimeFormatDoes) {
    wchar_t format[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, format, 80);
    const bool designatorLast = std::wstring_view(format).ends_with(L"tt");
    const LocalTime time{2004, 3, 5, 15, 4, 5};
    EXPECT_EQ(TimeStamp(time, SystemClock().TimeText(time)),
              designatorLast ? "150405PM" : "15040505");
}
#else
// glibc's locales compiled once into the temporary folder and found through LOCPATH: no root
// needed, the machine's own locales untouched. Compiled beside and renamed into place, as test
// programs may run side by side.
std::filesystem::path CompiledLocale(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path locale = fs::temp_directory_path() / "orvane-test-locales" / (name + ".UTF-8");
    const fs::path fresh = locale.parent_path() / (name + "." + std::to_string(getpid()));
    if (!fs::exists(locale / "LC_TIME")) {
        fs::create_directories(locale.parent_path());
        const std::string command =
            "localedef -i " + name + " -f UTF-8 '" + fresh.string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !fs::exists(fresh / "LC_TIME"))
            return {};
        std::error_code error;
        fs::rename(fresh, locale, error);
        fs::remove_all(fresh, error);
    }
    return fs::exists(locale / "LC_TIME") ? locale : fs::path{};
}

// The system's rendering of the time ends the stamp in its designator or, where it ends in the
// seconds, in them; a stamp stays 17 safe characters under every locale.
TEST(Stamps, TheSystemClockEndsTheStampInItsDesignatorOrTheSecondsUnderEveryLocale) {
    const LocalTime time{2026, 12, 5, 15, 4, 5};
    const std::pair<const char*, const char*> rows[] = {{"C", "05"},     {"en_US", "PM"},
                                                        {"de_DE", "05"}, {"ja_JP", "05"},
                                                        {"hi_IN", "05"}, {"es_MX", "05"}};
    for (const auto& [locale, suffix] : rows) {
        const bool plain = std::string(locale) == "C";
        const std::filesystem::path compiled = plain ? "" : CompiledLocale(locale);
        if (!plain && compiled.empty())
            GTEST_SKIP() << "localedef could not compile " << locale
                         << " (the locales package brings the sources)";
        const testing::ScopedEnv path("LOCPATH", plain ? nullptr : compiled.parent_path().c_str());
        const std::string name = plain ? "C" : std::string(locale) + ".UTF-8";
        ASSERT_NE(std::setlocale(LC_ALL, name.c_str()), nullptr) << name;
        const std::string stamp =
            DateStamp(time) + "-" + TimeStamp(time, SystemClock().TimeText(time));
        std::setlocale(LC_ALL, "C");
        EXPECT_EQ(stamp, "12052026-150405" + std::string(suffix)) << name;
    }
}
#endif

} // namespace
} // namespace orvane
