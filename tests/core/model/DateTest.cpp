#include "model/Date.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(Date, JulianDayNumberOfKnownDays) {
    EXPECT_EQ(Date::FromDmy(1, 1, 2000).Jdn(), 2451545u);
    EXPECT_EQ(Date::FromDmy(1, 7, 1998).Jdn(), 2450996u);
    EXPECT_EQ(Date::FromDmy(15, 10, 1582).Jdn(), 2299161u);
    EXPECT_EQ(Date::FromDmy(1, 1, 2000).Weekday(), 6); // a Saturday
    EXPECT_EQ(Date::FromDmy(1, 3, 2026).Weekday(), 0); // a Sunday
}

TEST(Date, ImpossibleDatesAreInvalid) {
    struct Case {
        int day, month, year;
        bool valid;
    } cases[] = {
        {30, 2, 2026, false}, {29, 2, 2024, true},  {29, 2, 2023, false}, {29, 2, 1900, false},
        {29, 2, 2000, true},  {31, 4, 2026, false}, {31, 12, 2026, true}, {0, 1, 2026, false},
        {1, 0, 2026, false},  {1, 13, 2026, false}, {1, 1, 0, false},     {1, 1, 10000, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Date::FromDmy(c.day, c.month, c.year).Valid(), c.valid)
            << c.day << "/" << c.month << "/" << c.year;
    EXPECT_EQ(Date::FromDmy(30, 2, 2026).Jdn(), 0u);
}

TEST(Date, DayMonthYearRoundTripOverCenturies) {
    Date d = Date::FromDmy(1, 1, 1896);
    int checked = 0;
    for (int year = 1896; year <= 2104; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= Date::DaysInMonthOf(month, year); ++day) {
                ASSERT_EQ(d, Date::FromDmy(day, month, year));
                ASSERT_EQ(d.Day(), day);
                ASSERT_EQ(d.Month(), month);
                ASSERT_EQ(d.Year(), year);
                d = d.AddDays(1);
                ++checked;
            }
    EXPECT_EQ(checked, DaysBetween(Date::FromDmy(1, 1, 1896), Date::FromDmy(1, 1, 2105)));
}

TEST(Date, NamesAndDisplayText) {
    const Date d = Date::FromDmy(1, 7, 1998);
    EXPECT_EQ(d.MonthName(), "July");
    EXPECT_EQ(d.DisplayText(), "July 01 1998");
    EXPECT_EQ(Date::FromDmy(31, 12, 2026).AddDays(1).DisplayText(), "January 01 2027");
    EXPECT_EQ(Date().DisplayText(), "");
    EXPECT_EQ(Date().Day(), 0);
    EXPECT_EQ(Date().MonthName(), "");
}

} // namespace
} // namespace tq
