#pragma once
#include "model/Schedule.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// Small text writers for the findings of the rule checks. They append digits by hand: a check
// runs once per candidate line in who-is-legal, and its texts are its only allocation.

void AppendInt(std::string& text, int value);                 // "%d"
void AppendInt2(std::string& text, int value);                // "%02d"
void AppendDate(std::string& text, const DayMonthYear& date); // "%02d/%02d/%04d"

// The calendar date of a month day index: the month's date table for days of the month, the
// following calendar days for the days after it (counted on from the month's first day).
DayMonthYear DateOfDay(const Schedule& schedule, int day);
// The date of a position of the 93-day timeline (0..30 the days before the month, 31 = day 0).
DayMonthYear DateOfPosition(const Schedule& schedule, int position);
inline int DayOfMonth(const Schedule& schedule, int day) {
    return DateOfDay(schedule, day).day;
}

// The days a rule marked, by month day index (0..61).
struct MarkedDays {
    std::array<std::uint8_t, kLineDays> marked{};
    bool any = false;
    void Mark(int day) {
        if (day < 0 || day >= kLineDays) return;
        marked[static_cast<std::size_t>(day)] = 1;
        any = true;
    }
    bool IsMarked(int day) const {
        return day >= 0 && day < kLineDays && marked[static_cast<std::size_t>(day)];
    }
};

// The common message of a rule: the head, " %d" with the day of month of every marked day in
// order, then "+". A marked day at or after the month's end appends the carry-out word instead
// and ends the list. Nothing is written when no day is marked.
void AppendDayMessage(std::string& text, std::string_view head, const MarkedDays& days,
                      const Schedule& schedule, std::string_view carryWord);

// Sets the line's day flags (DayException or DayWarning) of every marked day.
void FlagDays(std::array<std::uint8_t, kLineDays>& flags, const MarkedDays& days);

} // namespace tq
