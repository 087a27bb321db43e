#pragma once
// The date and time stamps that name every record, report and export file, and the header
// block that exports put in front of a text record.

#include "workspace/services.h"
#include "workspace/workspace.h"

#include <string>
#include <string_view>

namespace orvane {

// MMDDYYYY
std::string DateStamp(const LocalTime& time);
// HHMMSS (24-hour) followed by the last two characters of `timeText` (UTF-8), the same time
// in the user's standard format: "AM"/"PM" under a 12-hour format, the seconds under a
// 24-hour one. Where those two are not both ASCII letters or digits (a blank, a dot, half of
// a Japanese or Hindi word) the seconds stand in, so that the stamp is always 17 characters
// that any file system takes.
std::string TimeStamp(const LocalTime& time, std::string_view timeText);

// Each reads the clock afresh, as the two stamps of a name are taken one after the other.
std::string DateStamp(Clock& clock);
std::string TimeStamp(Clock& clock);
// DateStamp & "-" & TimeStamp: 17 characters, no blank, no path separator.
std::string DateTimeStamp(Clock& clock);
// The stamp of one reading of the clock, moved on by `seconds` (used to find a free name).
std::string DateTimeStamp(Clock& clock, const LocalTime& time, int seconds);

LocalTime AddSeconds(const LocalTime& time, int seconds);

// Four labelled lines with the fields of CurrentReport, each ended by CR LF; `blankLine`
// adds one more CR LF (the word-processor export wants it, the spreadsheet export not).
std::string Report_Header(const Workspace& ws, bool blankLine);

// The local clock; TimeText follows the C library's %X under the user's LC_TIME, on Windows
// the time format of the user's regional settings; in UTF-8 either way.
class SystemClock final : public Clock {
  public:
    LocalTime Now() override;
    std::string TimeText(const LocalTime& time) override;
};

} // namespace orvane
