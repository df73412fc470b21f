#include "model/Date.h"

#include "platform/Format.h"

#include <array>

namespace tq {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

struct Civil {
    int day = 0, month = 0, year = 0;
};

// Gregorian day, month and year of a Julian Day Number (Fliegel and Van Flandern).
Civil CivilOf(std::uint32_t jdn) {
    if (jdn == 0) return {};
    long long l = static_cast<long long>(jdn) + 68569;
    const long long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    const long long day = l - 2447 * j / 80;
    l = j / 11;
    const long long month = j + 2 - 12 * l;
    const long long year = 100 * (n - 49) + i + l;
    return {static_cast<int>(day), static_cast<int>(month), static_cast<int>(year)};
}

} // namespace

bool Date::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::DaysInMonthOf(int month, int year) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[static_cast<std::size_t>(month - 1)];
}

Date Date::FromDmy(int day, int month, int year) {
    // Years of four digits: the calendars of the crew system never go further.
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonthOf(month, year)) return Date();
    const long long a = (14 - month) / 12;
    const long long y = static_cast<long long>(year) + 4800 - a;
    const long long m = month + 12 * a - 3;
    const long long jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return Date(static_cast<std::uint32_t>(jdn));
}

int Date::Day() const {
    return CivilOf(jdn_).day;
}
int Date::Month() const {
    return CivilOf(jdn_).month;
}
int Date::Year() const {
    return CivilOf(jdn_).year;
}

int Date::Weekday() const {
    return static_cast<int>((jdn_ + 1) % 7);
}

std::string Date::MonthName() const {
    const int m = Month();
    if (m < 1 || m > 12) return {};
    return kMonthNames[static_cast<std::size_t>(m - 1)];
}

std::string Date::DisplayText() const {
    if (!Valid()) return {};
    const Civil c = CivilOf(jdn_);
    return Format("%s %02d %d", std::string(kMonthNames[static_cast<std::size_t>(c.month - 1)]), c.day,
                  c.year);
}

} // namespace tq
