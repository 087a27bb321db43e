#include "output/stamps.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::FakeClock;

TEST(Stamps, PadsSingleDigitsAndKeepsTwoDigitValues) {
    FakeClock clock;
    clock.now = {2005, 1, 1, 0, 0, 0};
    EXPECT_EQ(DateStamp(clock), "01012005");
    EXPECT_EQ(TimeStamp(clock), "000000AM");
    clock.now = {2004, 12, 25, 23, 59, 58};
    EXPECT_EQ(DateStamp(clock), "12252004");
    EXPECT_EQ(TimeStamp(clock), "235958PM");
}

TEST(Stamps, SuffixFollowsTheTimeFormat) {
    FakeClock clock;
    clock.now = {2004, 3, 5, 15, 4, 5};
    EXPECT_EQ(DateTimeStamp(clock), "03052004-150405PM");
    clock.format = FakeClock::Format::TwentyFourHour;
    EXPECT_EQ(DateTimeStamp(clock), "03052004-15040505");
    clock.format = FakeClock::Format::TwelveHour;
    clock.now = {2004, 3, 5, 9, 7, 3};
    EXPECT_EQ(TimeStamp(clock), "090703AM");
    EXPECT_EQ(DateTimeStamp(clock).size(), 17u);
}

TEST(Stamps, MovingOnCrossesMinuteDayAndYear) {
    FakeClock clock;
    const LocalTime last{2026, 12, 31, 23, 59, 59};
    EXPECT_EQ(DateTimeStamp(clock, last, 0), "12312026-235959PM");
    EXPECT_EQ(DateTimeStamp(clock, last, 1), "01012027-000000AM");
    const LocalTime leap{2028, 2, 28, 23, 59, 59};
    EXPECT_EQ(DateTimeStamp(clock, leap, 1), "02292028-000000AM");
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
