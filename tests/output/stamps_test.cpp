// Date-time stamps name every exported and recorded file: 17 safe characters, whatever the
// clock's time format or the machine's locale.

#include "output/stamps.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <string_view>
#include <windows.h>
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
    // Only two ASCII letters or digits end a stamp; any other ending gives the seconds. The
    // system's own rendering of the time (the machine's locale) ends in its designator or them.
    const LocalTime time{2026, 12, 5, 15, 4, 5};
    std::string endings;
    for (const char* text : {"3:04:05 p.m.", "3:04:05 PM ", "15\xE6\x99\x82", "3:04:05 nm"})
        endings += TimeStamp(time, text) + "|";
    EXPECT_EQ(endings, "15040505|15040505|15040505|150405nm|");
    const std::string system = TimeStamp(time, SystemClock().TimeText(time));
    EXPECT_TRUE(system == "150405PM" || system == "15040505") << system;
#ifdef _WIN32
    // The user's regional time format decides, not the C library's 24-hour default.
    wchar_t format[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, format, 80);
    EXPECT_EQ(system, std::wstring_view(format).ends_with(L"tt") ? "150405PM" : "15040505");
#endif
}

} // namespace
} // namespace orvane
