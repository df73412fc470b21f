#include "model/AssignmentDetails.h"
#include "model/Schedule.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

// July 1998 with one line: a reserve code on day 3 (4 July), a simulator day in the previous month.
struct Fixture {
    Schedule s;
    Fixture() {
        s.SetMonthDates(Date::FromDmy(1, 7, 1998), Date::FromDmy(31, 7, 1998));
        s.EmployeeCount = 1;
        TPilot& e = s.Employees[0];
        e.Name = "SMITH J";
        e.DayPairing[3] = kCodeOnDay;
        e.DayCode[3] = "RB";
        e.DayText[3] = "RB";
        e.DayDetail[3] = {720, 840, 0, 15, 1, 1, 0, 1, 0, 0};
        e.DayPairing[40] = kCodeOnDay; // a second-month day
        e.DayCode[40] = "VAC";
        e.PriorDayCode[30] = "SIM";
        e.PriorDay[30] = {500, 400, 540, 360, 240, 0, 2, 0, 1, 0};
        e.PriorDayCode[0] = "OFF";
    }
    TPilot& line() { return s.Employees[0]; }
};

TEST(AssignmentDetails, AMonthDayShowsTheCodeDaysDetails) {
    Fixture f;
    const auto v = OpenAssignmentDetails(f.s, 0, 3);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Caption, "SMITH J Assignment Details");
    EXPECT_EQ(v->DateText, "Jul 4");
    EXPECT_EQ(v->Code, "RB");
    EXPECT_EQ(v->TrackingCode, "RB");
    EXPECT_EQ(v->StartText, "12:00");
    EXPECT_EQ(v->LengthText, "14:00");
    EXPECT_EQ(v->CreditText, "00:00");
    EXPECT_EQ(v->HardTimeText, "00:15");
    EXPECT_TRUE(v->Reserve);
    EXPECT_TRUE(v->ContainsDuty);
    EXPECT_TRUE(v->CarsDuty);
    EXPECT_FALSE(v->ExcludeCredit);
    EXPECT_TRUE(v->ExcludeCreditEnabled());
    EXPECT_TRUE(v->TrackingCodeEnabled());
    EXPECT_EQ(OpenAssignmentDetails(f.s, 0, 40)->DateText, "Aug 10"); // a slot after the month

    // The edge days of a February month are named by their own month.
    f.s.SetMonthDates(Date::FromDmy(31, 1, 2024), Date::FromDmy(1, 3, 2024));
    EXPECT_EQ(OpenAssignmentDetails(f.s, 0, 3)->DateText, "Feb 3");
    f.line().DayPairing[0] = kCodeOnDay;
    EXPECT_EQ(OpenAssignmentDetails(f.s, 0, 0)->DateText, "Jan 31");
}

TEST(AssignmentDetails, APreviousMonthDayShowsTheWindowSlot) {
    Fixture f;
    const auto v = OpenAssignmentDetails(f.s, 0, -1);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->PreviousMonth);
    EXPECT_EQ(v->DateText, "30 6 1998");
    EXPECT_EQ(v->Code, "SIM");
    EXPECT_EQ(v->TrackingCode, "");
    EXPECT_EQ(v->StartText, "09:00");
    EXPECT_EQ(v->LengthText, "06:00");
    EXPECT_EQ(v->CreditText, "04:00");
    EXPECT_EQ(v->HardTimeText, "00:00");
    EXPECT_TRUE(v->Reserve); // worked flag 2
    EXPECT_TRUE(v->ContainsDuty);
    EXPECT_TRUE(v->CarsDuty);
    EXPECT_FALSE(v->ExcludeCredit);
    EXPECT_FALSE(v->ExcludeCreditEnabled());
    EXPECT_FALSE(v->TrackingCodeEnabled());

    f.line().PriorDay[30][kPriorWorked] = 1;
    EXPECT_FALSE(OpenAssignmentDetails(f.s, 0, -1)->Reserve);
    EXPECT_EQ(OpenAssignmentDetails(f.s, 0, -31)->DateText, "31 5 1998");
}

TEST(AssignmentDetails, NothingOpensOutsideTheLineOrOnADayWithoutACode) {
    Fixture f;
    for (auto [employee, day] : {std::pair{-1, 3}, {1, 3}, {999, 3}, {0, -32}, {0, 62}, {0, 4}, {0, 100000}})
        EXPECT_FALSE(OpenAssignmentDetails(f.s, employee, day)) << employee << " " << day;
}

TEST(AssignmentDetails, OkWithExcludeCreditTickedChangesOnlyThatElement) {
    Fixture f;
    f.line().DayDetail[3][kDetailLength] = 1500; // 25:00 does not fit the edit's 24-hour rule
    f.line().DayDetail[3][kDetailCredit] = -30;
    auto v = *OpenAssignmentDetails(f.s, 0, 3);
    v.ExcludeCredit = true;
    ASSERT_TRUE(StoreAssignmentDetails(f.s, 0, 3, v));
    EXPECT_EQ(f.line().DayDetail[3], (std::array<int, 10>{720, 1500, -30, 15, 1, 1, 1, 1, 0, 0}));
}

TEST(AssignmentDetails, OkStoresEditedTimes) {
    Fixture f;
    auto v = *OpenAssignmentDetails(f.s, 0, 3);
    v.StartText = "08:30";
    v.LengthText = "24:00"; // beyond the limit: stored as 0
    v.CreditText = "100:00";
    v.HardTimeText = "01:75";
    v.Reserve = false;
    v.CarsDuty = false;
    ASSERT_TRUE(StoreAssignmentDetails(f.s, 0, 3, v));
    EXPECT_EQ(f.line().DayDetail[3], (std::array<int, 10>{510, 0, 6000, 0, 0, 1, 0, 0, 0, 0}));

    v = *OpenAssignmentDetails(f.s, 0, 3);
    v.StartText = "";
    v.LengthText = "10:00";
    ASSERT_TRUE(StoreAssignmentDetails(f.s, 0, 3, v));
    EXPECT_EQ(f.line().DayDetail[3][kDetailStart], 0);
    EXPECT_EQ(f.line().DayDetail[3][kDetailLength], 0);
}

TEST(AssignmentDetails, OkOnAPreviousMonthDayStoresNothing) {
    Fixture f;
    auto v = *OpenAssignmentDetails(f.s, 0, -1);
    v.ExcludeCredit = true;
    v.StartText = "01:00";
    const auto before = f.line().PriorDay;
    EXPECT_FALSE(StoreAssignmentDetails(f.s, 0, -1, v));
    EXPECT_FALSE(StoreAssignmentDetails(f.s, 5, 3, v));
    EXPECT_FALSE(StoreAssignmentDetails(f.s, 0, 4, v)); // no code there
    EXPECT_EQ(f.line().PriorDay, before);
    EXPECT_EQ(f.line().DayDetail[4], (std::array<int, 10>{}));
}

} // namespace
} // namespace tq
