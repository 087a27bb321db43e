#include "output/stamps.h"
#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <utility>

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

TEST(Stamps, TheSuffixIsTwoAsciiLettersOrDigitsOrElseTheSeconds) {
    const LocalTime time{2026, 12, 5, 15, 4, 5};
    for (const auto& [text, suffix] : {std::pair{"3:04:05 p.m.", "05"},
                                       {"3:04:05 PM ", "05"},
                                       {"15\xE6\x99\x82", "05"},
                                       {"3:04:05 nm", "nm"}})
        EXPECT_EQ(TimeStamp(time, text), "150405" + std::string(suffix)) << text;
}

#ifndef _WIN32 // glibc's locales: compiled with localedef, found through LOCPATH
// The locales are compiled once into a folder of the temporary directory that glibc reads
// through LOCPATH: no root needed, and the machine's own locales stay as they are.
std::filesystem::path CompiledLocale(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "orvane-test-locales";
    const fs::path locale = folder / (name + ".UTF-8");
    if (fs::exists(locale / "LC_TIME"))
        return locale;
    fs::create_directories(folder);
    // Compiled beside and renamed into place, as test programs may run side by side.
    const fs::path fresh = folder / (name + "." + std::to_string(getpid()));
    const std::string command =
        "localedef -i " + name + " -f UTF-8 '" + fresh.string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !fs::exists(fresh / "LC_TIME"))
        return {};
    std::error_code error;
    fs::rename(fresh, locale, error);
    fs::remove_all(fresh, error);
    return fs::exists(locale / "LC_TIME") ? locale : fs::path{};
}

TEST(Stamps, AreSeventeenSafeCharactersUnderEveryLocale) {
    const struct {
        const char* locale;
        const char* suffix; // at 15:04:05
    } rows[] = {{"C", "05"},     {"en_US", "PM"}, {"de_DE", "05"},
                {"ja_JP", "05"}, {"hi_IN", "05"}, {"es_MX", "05"}};
    const LocalTime time{2026, 12, 5, 15, 4, 5};
    SystemClock clock;
    for (const auto& [locale, suffix] : rows) {
        const bool plain = std::string(locale) == "C";
        const std::filesystem::path compiled = plain ? "" : CompiledLocale(locale);
        if (!plain && compiled.empty())
            GTEST_SKIP() << "localedef could not compile " << locale
                         << " (the locales package brings the sources)";
        const testing::ScopedEnv path("LOCPATH", plain ? nullptr : compiled.parent_path().c_str());
        const std::string name = plain ? "C" : std::string(locale) + ".UTF-8";
        ASSERT_NE(std::setlocale(LC_ALL, name.c_str()), nullptr) << name;
        const std::string stamp = DateStamp(time) + "-" + TimeStamp(time, clock.TimeText(time));
        std::setlocale(LC_ALL, "C");
        EXPECT_EQ(stamp, "12052026-150405" + std::string(suffix)) << name;
    }
}
#endif

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
