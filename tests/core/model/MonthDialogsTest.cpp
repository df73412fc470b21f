#include "model/MonthDatesDialog.h"
#include "model/MonthRulesDialog.h"
#include "model/Schedule.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

Date D(int day, int month, int year) {
    return Date::FromDmy(day, month, year);
}

TEST(MonthDatesDialog, ProposesTheMonthAfterToday) {
    struct Case {
        Date today, start, end;
        int days;
    } cases[] = {
        {D(11, 12, 2026), D(1, 1, 2027), D(30, 1, 2027), 30},
        {D(31, 1, 2024), D(31, 1, 2024), D(1, 3, 2024), 31}, // leap February
        {D(1, 1, 2026), D(31, 1, 2026), D(1, 3, 2026), 30},
        {D(29, 2, 2024), D(2, 3, 2024), D(31, 3, 2024), 30},
        {D(15, 6, 2026), D(1, 7, 2026), D(31, 7, 2026), 31},
        {D(1, 8, 2026), D(1, 9, 2026), D(30, 9, 2026), 30},
        {D(30, 11, 2026), D(1, 12, 2026), D(31, 12, 2026), 31},
    };
    for (const auto& c : cases) {
        const MonthDatesDialog dialog(c.today);
        EXPECT_EQ(dialog.Start(), c.start) << c.today.DisplayText();
        EXPECT_EQ(dialog.End(), c.end) << c.today.DisplayText();
        EXPECT_EQ(dialog.Days(), c.days) << c.today.DisplayText();
    }
    EXPECT_EQ(MonthDatesDialog(D(11, 12, 2026)).StartText(), "January 01 2027");
}

TEST(MonthDatesDialog, DayAndMonthMoves) {
    MonthDatesDialog dialog(D(11, 12, 2026)); // 1-30 January 2027
    dialog.MoveStart(-1);
    dialog.MoveEnd(1);
    EXPECT_EQ(dialog.Start(), D(31, 12, 2026));
    EXPECT_EQ(dialog.End(), D(31, 1, 2027));
    dialog.ChangeMonth(1); // ">>" proposes the next month again, whatever the days moved
    EXPECT_EQ(dialog.Start(), D(31, 1, 2027));
    EXPECT_EQ(dialog.End(), D(1, 3, 2027));
    dialog.ChangeMonth(-1);
    dialog.ChangeMonth(-1); // "<<" twice: December 2026
    EXPECT_EQ(dialog.Start(), D(1, 12, 2026));
    EXPECT_EQ(dialog.End(), D(31, 12, 2026));
    for (int i = 0; i < 12; ++i) dialog.ChangeMonth(1);
    EXPECT_EQ(dialog.Start(), D(1, 12, 2027));
}

TEST(MonthDatesDialog, OkRefusesMoreThan31DaysAndStaysOpen) {
    test::RecordingUi ui;
    Schedule s;
    MonthDatesDialog dialog(D(31, 1, 2024)); // 31 January to 1 March 2024: 31 days
    dialog.MoveEnd(1);
    EXPECT_FALSE(dialog.Ok(s, ui));
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{"[Tarvelstrand] The new Month cannot contain more than 31 days."}));
    EXPECT_EQ(s.DaysInMonth, 0);
    EXPECT_FALSE(s.Modified);

    dialog.MoveEnd(-1);
    ASSERT_TRUE(dialog.Ok(s, ui));
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(s.DaysInMonth, 31);
    EXPECT_EQ(s.MonthDays[0], (DayMonthYear{31, 1, 2024}));
    EXPECT_EQ(s.MonthText, "Feb");
    EXPECT_TRUE(s.Modified);
}

TEST(MonthDatesDialog, OkBuildsTheCalendarWithItsDaylightSavingChange) {
    test::RecordingUi ui;
    Schedule s;
    MonthDatesDialog dialog(D(10, 2, 2026)); // 2-31 March 2026, 1 March a Sunday
    ASSERT_TRUE(dialog.Ok(s, ui));
    EXPECT_EQ(s.DaysInMonth, 30);
    EXPECT_EQ(s.DstChangeTime, 6 * 1440 + 120);
    EXPECT_EQ(s.DstShift, 60);

    dialog.SetDates(D(10, 3, 2026), D(9, 3, 2026));
    EXPECT_FALSE(dialog.Ok(s, ui));
    EXPECT_EQ(ui.Messages().back(), "[Tarvelstrand] The new Month cannot end before it starts.");
    EXPECT_EQ(s.DaysInMonth, 30);
}

TEST(MonthRulesDialog, BarsRangesAndPageSteps) {
    struct Case {
        MonthRule rule;
        const char* label;
        int minimum, maximum, page;
    } cases[] = {
        {MonthRule::AvgBlock, "Avg", 3000, 6000, 60},
        {MonthRule::MaxBlock, "Max", 3000, 7200, 60},
        {MonthRule::MinBlock, "Min", 0, 6000, 60},
        {MonthRule::CheckPilotMaxHours, "", 1800, 7200, 60},
        {MonthRule::DaysOffBlockHolder, "Block Holder", 0, 14, 1},
        {MonthRule::DaysOffReserve, "Reserve", 0, 14, 1},
        {MonthRule::ReducedMaxBlock, "Max", 1800, 7200, 60},
        {MonthRule::ReducedMinBlock, "Min", 0, 6000, 60},
        {MonthRule::ReducedMinDaysOff, "Min Days Off", 0, 30, 1},
    };
    for (const auto& c : cases) {
        const MonthRuleBar& bar = MonthRulesDialog::BarOf(c.rule);
        EXPECT_EQ(bar.rule, c.rule);
        EXPECT_EQ(bar.label, c.label);
        EXPECT_EQ(bar.minimum, c.minimum);
        EXPECT_EQ(bar.maximum, c.maximum);
        EXPECT_EQ(bar.pageStep, c.page);
    }
}

TEST(MonthRulesDialog, MovingABarStoresTheValueWithinItsRange) {
    Schedule s;
    s.SetMonthDates(D(1, 7, 1998), D(31, 7, 1998));
    MonthRulesDialog dialog(s);
    EXPECT_EQ(dialog.Caption(), "Tarvelstrand - Setup Jul 1998");
    EXPECT_EQ(dialog.ValueText(MonthRule::AvgBlock), "77:30");
    EXPECT_EQ(dialog.ValueText(MonthRule::ReducedMinDaysOff), "12");
    EXPECT_FALSE(s.Modified);

    dialog.Scroll(MonthRule::AvgBlock, ScrollMove::PageDown);
    EXPECT_EQ(s.AvgBlockCredit, 4710);
    EXPECT_TRUE(s.Modified);
    dialog.Scroll(MonthRule::AvgBlock, ScrollMove::LineUp);
    EXPECT_EQ(s.AvgBlockCredit, 4709);
    dialog.Scroll(MonthRule::DaysOffReserve, ScrollMove::LineUp); // already at 0
    EXPECT_EQ(s.DaysOffReserve, 0);
    dialog.SetValue(MonthRule::DaysOffBlockHolder, 20);
    EXPECT_EQ(s.DaysOffBlockHolder, 14);
    dialog.SetValue(MonthRule::CheckPilotMaxHours, 7190);
    dialog.Scroll(MonthRule::CheckPilotMaxHours, ScrollMove::PageDown);
    EXPECT_EQ(s.CheckPilotMaxHours, 7200);
    EXPECT_EQ(dialog.ValueText(MonthRule::CheckPilotMaxHours), "120:00");

    // A value from a file outside the range shows at the bar's end and is kept until moved.
    s.MinBlockCredit = 9000;
    EXPECT_EQ(dialog.Position(MonthRule::MinBlock), 6000);
    EXPECT_EQ(dialog.Value(MonthRule::MinBlock), 9000);
    dialog.Scroll(MonthRule::MinBlock, ScrollMove::PageUp);
    EXPECT_EQ(s.MinBlockCredit, 5940);
}

} // namespace
} // namespace tq
