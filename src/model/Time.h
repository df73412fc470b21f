#pragma once
#include <string>
#include <string_view>

namespace tq {

class EventLog;

constexpr int kMinutesPerDay = 1440;
constexpr int kMaxMonthDays = 31;
constexpr int kLineDays = 62;      // day slots of an employee line
constexpr int kTimelineDays = 93;  // the duty-time timeline: 31 days before the month, then 62
constexpr int kPriorWindowOffset = 31;

// "%02d%02d" without colon; with colon "%2d:%02d" (blank-filled) or "%02d:%02d".
// Hours and minutes are truncated toward zero, so -90 gives "-1:-30".
std::string FormatTime(int minutes, bool blankFill, bool colon);

// Minutes of "h:mm" (any non-digit separates), or -1. A text without a separator is read as
// whole hours with 0 minutes.
int ParseTime(std::string_view text, bool limit24);

// The integer in `length` columns of `line` from 0-based `position`: leading blanks skipped,
// reading stops at the first non-digit. A line shorter than position + length gives 0 and logs
// "Cannot GetInt. String too Short\n" when the log is open.
int GetInt(std::string_view line, int position, int length, EventLog* log = nullptr);

std::string MonthCode(int month);     // "JAN".."DEC", else empty
std::string WeekdayCode(int weekday); // "SU".."SA", else empty

void ToUpper(std::string& text);
void ToLower(std::string& text);

} // namespace tq
