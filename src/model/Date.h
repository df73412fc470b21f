#pragma once
#include <cstdint>
#include <string>

namespace tq {

// A calendar date as its Julian Day Number (1 January 2000 = 2451545); 0 is the invalid date.
// Files hold the 4-byte number.
class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(std::uint32_t julianDayNumber) : jdn_(julianDayNumber) {}
    // Gregorian day, month (1..12), year; an impossible combination gives the invalid date.
    static Date FromDmy(int day, int month, int year);

    constexpr std::uint32_t Jdn() const { return jdn_; }
    constexpr bool Valid() const { return jdn_ != 0; }

    int Day() const;   // 1..31
    int Month() const; // 1..12
    int Year() const;
    int Weekday() const; // 0 = Sunday .. 6 = Saturday
    std::string MonthName() const; // "January" ..
    std::string DisplayText() const; // "July 01 1998"

    Date AddDays(int days) const { return Date(static_cast<std::uint32_t>(static_cast<std::int64_t>(jdn_) + days)); }
    friend int DaysBetween(Date from, Date to) { return static_cast<int>(to.jdn_) - static_cast<int>(from.jdn_); }
    friend constexpr bool operator==(Date, Date) = default;
    friend constexpr auto operator<=>(Date, Date) = default;

    static bool IsLeapYear(int year);
    static int DaysInMonthOf(int month, int year);

private:
    std::uint32_t jdn_ = 0;
};

} // namespace tq
