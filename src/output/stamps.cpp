#include "output/stamps.h"

#include <chrono>
#include <ctime>
#include <cwchar>
#include <iterator>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvane {
namespace {

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

#ifndef _WIN32
std::tm ToTm(const LocalTime& time) {
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = -1;
    return tm;
}
#endif

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The last two characters of UTF-8 text, when both are ASCII letters or digits.
std::optional<std::string> AsciiEnding(std::string_view text) {
    if (text.size() < 2)
        return std::nullopt;
    const std::string_view ending = text.substr(text.size() - 2);
    // A byte of a multi-byte character is never ASCII, so two ASCII bytes are two characters.
    if (!IsAsciiLetterOrDigit(ending[0]) || !IsAsciiLetterOrDigit(ending[1]))
        return std::nullopt;
    return std::string(ending);
}

void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Wide text (UTF-32, or UTF-16 where wchar_t has 16 bits) as UTF-8; a lone surrogate becomes
// U+FFFD.
std::string Utf8Of(std::wstring_view wide) {
    std::string text;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        auto code = static_cast<char32_t>(wide[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size() &&
            static_cast<char32_t>(wide[i + 1]) >= 0xDC00 &&
            static_cast<char32_t>(wide[i + 1]) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(wide[++i]) - 0xDC00);
        } else if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(text, code);
    }
    return text;
}

} // namespace

std::string DateStamp(const LocalTime& time) {
    return TwoDigits(time.month) + TwoDigits(time.day) + std::to_string(time.year);
}

std::string TimeStamp(const LocalTime& time, std::string_view timeText) {
    const std::string seconds = TwoDigits(time.second);
    return TwoDigits(time.hour) + TwoDigits(time.minute) + seconds +
           AsciiEnding(timeText).value_or(seconds);
}

std::string DateStamp(Clock& clock) {
    return DateStamp(clock.Now());
}

std::string TimeStamp(Clock& clock) {
    const LocalTime now = clock.Now();
    return TimeStamp(now, clock.TimeText(now));
}

std::string DateTimeStamp(Clock& clock) {
    std::string date = DateStamp(clock);
    return date + "-" + TimeStamp(clock);
}

std::string DateTimeStamp(Clock& clock, const LocalTime& time, int seconds) {
    const LocalTime later = AddSeconds(time, seconds);
    return DateStamp(later) + "-" + TimeStamp(later, clock.TimeText(later));
}

LocalTime AddSeconds(const LocalTime& time, int seconds) {
    using namespace std::chrono;
    const sys_days day = year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)},
                                        std::chrono::day{static_cast<unsigned>(time.day)}};
    const sys_seconds moved =
        day + hours{time.hour} + minutes{time.minute} + std::chrono::seconds{time.second + seconds};
    const sys_days movedDay = floor<days>(moved);
    const year_month_day ymd{movedDay};
    const hh_mm_ss hms{moved - movedDay};
    return LocalTime{static_cast<int>(ymd.year()),
                     static_cast<int>(unsigned(ymd.month())),
                     static_cast<int>(unsigned(ymd.day())),
                     static_cast<int>(hms.hours().count()),
                     static_cast<int>(hms.minutes().count()),
                     static_cast<int>(hms.seconds().count())};
}

std::string Report_Header(const Workspace& ws, bool blankLine) {
    const int r = IsReportIndex(ws.CurrentReport) ? ws.CurrentReport : 0;
    const auto& field = ws.ReportField[r];
    std::string header = "Company: " + field[1] + "\r\n" + "Technician: " + field[2] + "\r\n" +
                         "Ticket: " + field[3] + "\r\n" + "Comment: " + field[4] + "\r\n";
    if (blankLine)
        header += "\r\n";
    return header;
}

LocalTime SystemClock::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

#ifdef _WIN32
// The C library's %X ignores the user's choice in the regional settings; the system's own
// time formatting follows it, AM/PM designators included.
std::string SystemClock::TimeText(const LocalTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    constexpr int WideSize = 64;
    wchar_t wide[WideSize];
    const int length =
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &system, nullptr, wide, WideSize);
    if (length <= 1)
        return {};
    return Utf8Of(std::wstring_view(wide, static_cast<std::size_t>(length - 1)));
}
#else
std::string SystemClock::TimeText(const LocalTime& time) {
    const std::tm tm = ToTm(time);
    // Wide, whatever the locale's multi-byte encoding: characters, not bytes, are counted.
    wchar_t text[64];
    const std::size_t length = std::wcsftime(text, std::size(text), L"%X", &tm);
    return Utf8Of(std::wstring_view(text, length));
}
#endif

} // namespace orvane
