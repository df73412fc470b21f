#include "rules/RuleText.h"

#include <charconv>

namespace tq {

void AppendInt(std::string& text, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

void AppendInt2(std::string& text, int value) {
    if (value >= 0 && value < 10) text.push_back('0');
    AppendInt(text, value);
}

void AppendDate(std::string& text, const DayMonthYear& date) {
    AppendInt2(text, date.day);
    text.push_back('/');
    AppendInt2(text, date.month);
    text.push_back('/');
    if (date.year >= 0 && date.year < 1000) {
        text.push_back('0');
        if (date.year < 100) text.push_back('0');
        if (date.year < 10) text.push_back('0');
    }
    AppendInt(text, date.year);
}

DayMonthYear DateOfDay(const Schedule& schedule, int day) {
    if (day >= 0 && day < schedule.DaysInMonth && day < kMaxMonthDays)
        return schedule.MonthDays[static_cast<std::size_t>(day)];
    // Days after the month (and any day the table does not hold): count on from day 0.
    const auto& first = schedule.MonthDays[0];
    const Date start = Date::FromDmy(first.day, first.month, first.year);
    if (!start.Valid()) return {};
    const Date date = start.AddDays(day);
    return {date.Day(), date.Month(), date.Year()};
}

DayMonthYear DateOfPosition(const Schedule& schedule, int position) {
    if (position >= 0 && position < kPriorWindowOffset)
        return schedule.PriorDays[static_cast<std::size_t>(position)];
    return DateOfDay(schedule, position - kPriorWindowOffset);
}

void AppendDayMessage(std::string& text, std::string_view head, const MarkedDays& days,
                      const Schedule& schedule, std::string_view carryWord) {
    if (!days.any) return;
    text.append(head);
    for (int d = 0; d < kLineDays; ++d) {
        if (!days.marked[static_cast<std::size_t>(d)]) continue;
        if (d >= schedule.DaysInMonth) {
            text.append(carryWord);
            break;
        }
        text.push_back(' ');
        AppendInt(text, DayOfMonth(schedule, d));
    }
    text.push_back('+');
}

void FlagDays(std::array<std::uint8_t, kLineDays>& flags, const MarkedDays& days) {
    if (!days.any) return;
    for (std::size_t d = 0; d < flags.size(); ++d)
        if (days.marked[d]) flags[d] = 1;
}

} // namespace tq
