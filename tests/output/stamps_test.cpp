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
    const struct {
        LocalTime time;
        int seconds; // moved on by
        FakeClock::Format format;
        const char* stamp;
    } rows[] = {
        {{2005, 1, 1, 0, 0, 0}, 0, TwelveHour, "01012005-000000AM"},
        {{2004, 12, 25, 23, 59, 58}, 0, TwelveHour, "12252004-235958PM"},
        {{2004, 3, 5, 9, 7, 3}, 0, TwelveHour, "03052004-090703AM"},
        {{2004, 3, 5, 15, 4, 5}, 0, TwentyFourHour, "03052004-15040505"},
        {{2026, 12, 31, 23, 59, 59}, 1, TwelveHour, "01012027-000000AM"},
        {{2026, 12, 31, 23, 59, 59}, 1, TwentyFourHour, "01012027-00000000"},
        {{2028, 2, 28, 23, 59, 59}, 1, TwelveHour, "02292028-000000AM"},
        {{2026, 12, 5, 3, 56, 51}, 70, TwelveHour, "12052026-035801AM"},
    };
    for (const auto& [time, seconds, format, stamp] : rows) {
        FakeClock clock;
        clock.format = format;
        EXPECT_EQ(DateTimeStamp(clock, time, seconds), stamp) << seconds << " s on";
        clock.now = AddSeconds(time, seconds);
        EXPECT_EQ(DateTimeStamp(clock), stamp);
    }
}

// The suffix comes from the system's own rendering of the time: the designator of a 12-hour
// format, or the seconds where the format ends in them.
TEST(Stamps, TheSystemClocksTimeTextEndsTheStampInItsDesignatorOrTheSeconds) {
    SystemClock clock;
    const struct {
        LocalTime time;
        const char* twelveHour;
        const char* seconds;
    } rows[] = {
        {{2004, 3, 5, 15, 4, 5}, "150405PM", "15040505"},
        {{2004, 3, 5, 9, 7, 3}, "090703AM", "09070303"},
    };
#ifdef _WIN32
    // The user's regional time format decides, not the C library's 24-hour default.
    wchar_t format[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, format, 80);
    const bool designatorLast = std::wstring_view(format).ends_with(L"tt");
#endif
    for (const auto& [time, twelveHour, seconds] : rows) {
        const std::string text = clock.TimeText(time);
        const std::string stamp = TimeStamp(time, text);
        EXPECT_TRUE(stamp == twelveHour || stamp == seconds) << text;
#ifdef _WIN32
        EXPECT_EQ(stamp, designatorLast ? twelveHour : seconds) << text;
#endif
    }
}

TEST(ReportHeader, HasEmptyFieldsWhenNoReportIsOpen) {
    Workspace ws;
    for (const std::int16_t none : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{32767}}) {
        ws.CurrentReport = none;
        EXPECT_EQ(Report_Header(ws, false),
                  "Company: \r\nTechnician: \r\nTicket: \r\nComment: \r\n");
    }
}

} // namespace
} // namespace orvane
