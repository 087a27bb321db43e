#include "output/stamps.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::FakeClock;
constexpr auto TwelveHour = FakeClock::Format::TwelveHour;
constexpr auto TwentyFourHour = FakeClock::Format::TwentyFourHour;

TEST(Stamps, PadDigitsAndEndInTheSuffixOfTheTimeFormat) {
    const struct {
        LocalTime now;
        FakeClock::Format format;
        const char* stamp;
    } rows[] = {
        {{2005, 1, 1, 0, 0, 0}, TwelveHour, "01012005-000000AM"},
        {{2004, 12, 25, 23, 59, 58}, TwelveHour, "12252004-235958PM"},
        {{2004, 3, 5, 9, 7, 3}, TwelveHour, "03052004-090703AM"},
        {{2004, 3, 5, 15, 4, 5}, TwentyFourHour, "03052004-15040505"},
    };
    for (const auto& [now, format, stamp] : rows) {
        FakeClock clock;
        clock.now = now;
        clock.format = format;
        EXPECT_EQ(DateTimeStamp(clock), stamp);
        EXPECT_EQ(DateStamp(clock) + "-" + TimeStamp(clock), stamp);
    }
}

TEST(Stamps, MovingOnCrossesMinuteDayYearAndLeapDay) {
    const struct {
        LocalTime time;
        int seconds;
        FakeClock::Format format;
        const char* stamp;
    } rows[] = {
        {{2026, 12, 31, 23, 59, 59}, 0, TwelveHour, "12312026-235959PM"},
        {{2026, 12, 31, 23, 59, 59}, 1, TwelveHour, "01012027-000000AM"},
        {{2026, 12, 31, 23, 59, 59}, 1, TwentyFourHour, "01012027-00000000"},
        {{2028, 2, 28, 23, 59, 59}, 1, TwelveHour, "02292028-000000AM"},
        {{2026, 12, 5, 3, 56, 51}, 70, TwelveHour, "12052026-035801AM"},
    };
    for (const auto& [time, seconds, format, stamp] : rows) {
        FakeClock clock;
        clock.format = format;
        EXPECT_EQ(DateTimeStamp(clock, time, seconds), stamp) << seconds << " s on";
    }
}

TEST(ReportHeader, LabelsTheFieldsOfTheCurrentReport) {
    Workspace ws;
    ws.CurrentReport = 2;
    ws.ReportField[2] = {"", "ACME Ltd", "J. Doe", "T-42", ""};
    EXPECT_EQ(Report_Header(ws, false),
              "Company: ACME Ltd\r\nTechnician: J. Doe\r\nTicket: T-42\r\nComment: \r\n");
    EXPECT_EQ(Report_Header(ws, true),
              "Company: ACME Ltd\r\nTechnician: J. Doe\r\nTicket: T-42\r\nComment: \r\n\r\n");
    ws.CurrentReport = 0;
    EXPECT_EQ(Report_Header(ws, false), "Company: \r\nTechnician: \r\nTicket: \r\nComment: \r\n");
}

} // namespace
} // namespace orvane
