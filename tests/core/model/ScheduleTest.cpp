#include "model/Schedule.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

Date D(int day, int month, int year) {
    return Date::FromDmy(day, month, year);
}

TEST(Schedule, FixedTablesAllocatedOnce) {
    Schedule s(D(11, 12, 2026));
    EXPECT_EQ(s.Pairings.size(), 3001u);
    EXPECT_EQ(s.Employees.size(), 1000u);
    EXPECT_EQ(s.Codes.size(), 300u);
    EXPECT_EQ(s.LastPairingIndex, -1);
    EXPECT_EQ(s.Pairings[3000].CreatedDate, D(11, 12, 2026));
    const TPair* first = s.Pairings.data();
    s.DeleteAll();
    EXPECT_EQ(s.Pairings.data(), first); // reset in place
    EXPECT_FALSE(s.ValidPairingIndex(0));
    EXPECT_FALSE(s.ValidEmployeeIndex(0));
}

TEST(Schedule, ZeroDataResetsTheTablesItIsAskedFor) {
    test::RecordingEventLog log;
    Schedule s;
    s.Log = &log;
    s.Employees[999].Name = "SCRATCH";
    s.EmployeeCount = 12;
    s.Pairings[3000].PairingNumber = 9;
    s.LastPairingIndex = 3000;
    s.LastLoadedPairingIndex = 2999;
    s.ZeroData(true, false);
    EXPECT_EQ(s.Employees[999].Name, "");
    EXPECT_EQ(s.EmployeeCount, 0);
    EXPECT_EQ(s.Pairings[3000].PairingNumber, 9);
    EXPECT_EQ(s.LastPairingIndex, 3000);
    s.ZeroData(false, true);
    EXPECT_EQ(s.Pairings[3000].PairingNumber, 0);
    EXPECT_EQ(s.LastPairingIndex, -1);
    EXPECT_EQ(s.LastLoadedPairingIndex, -1);
    EXPECT_EQ(log.text, "ZeroDataBegin\nZeroDataEnd\nZeroDataBegin\nZeroDataEnd\n");
}

TEST(Schedule, DeleteAllKeepsTheToolboxDateStationsAndSharedNotes) {
    test::RecordingEventLog log;
    Schedule s;
    s.SetMonthDates(D(1, 7, 1998), D(31, 7, 1998));
    s.Log = &log;
    s.FileKey = "YYZDH8CAZ";
    s.ViewerMode = 2;
    s.FreshSchedule = false;
    s.Modified = true;
    s.FilterToggle = false;
    s.CodeCount = 40;
    s.AvgBlockCredit = 5000;
    s.MaxBlockCredit = 6000;
    s.MinBlockCredit = 100;
    s.DaysOffBlockHolder = 12;
    s.DaysOffReserve = 12;
    s.ReducedMaxBlock = 2700;
    s.ReducedMinBlock = 2400;
    s.ReducedMinDaysOff = 21;
    s.CheckPilotMaxHours = 1800;
    s.FileName = "July.tq2";
    s.CityPairReport = "YYZ-YUL 4";
    s.FilterTexts[19] = "filter";
    s.History.Insert({1, 2, 3, 4});
    s.ToolboxDate = "2026-11-01";
    s.StationTable = "YUL,-5:00,00:45,Y,";
    s.SharedNotes = "notes";
    s.CurrentPairing = 5;

    s.DeleteAll();
    EXPECT_EQ(log.text, "BeginDeleteAll\nZeroDataBegin\nZeroDataEnd\nEndDeleteAll\n");
    EXPECT_EQ(s.FileKey, "");
    EXPECT_EQ(s.ViewerMode, 0);
    EXPECT_TRUE(s.FreshSchedule);
    EXPECT_FALSE(s.Modified);
    EXPECT_TRUE(s.FilterToggle);
    EXPECT_EQ(s.CodeCount, 0);
    EXPECT_EQ(s.DaysInMonth, 0);
    EXPECT_EQ(s.FirstWeekday, 0);
    EXPECT_EQ(s.AvgBlockCredit, 4650);
    EXPECT_EQ(s.MaxBlockCredit, 4800);
    EXPECT_EQ(s.MinBlockCredit, 4500);
    EXPECT_EQ(s.DaysOffBlockHolder, 0);
    EXPECT_EQ(s.DaysOffReserve, 0);
    EXPECT_EQ(s.ReducedMaxBlock, 3420);
    EXPECT_EQ(s.ReducedMinBlock, 2820);
    EXPECT_EQ(s.ReducedMinDaysOff, 12);
    EXPECT_EQ(s.CheckPilotMaxHours, 5400);
    EXPECT_EQ(s.FileName, "");
    EXPECT_EQ(s.CityPairReport, "");
    EXPECT_EQ(s.FilterTexts[19], "");
    EXPECT_EQ(s.PriorDays[30], DayMonthYear{});
    EXPECT_EQ(s.MonthDays[0], DayMonthYear{});
    EXPECT_EQ(s.MonthText, "");
    EXPECT_TRUE(s.History.Empty());
    EXPECT_EQ(s.CurrentPairing, -1);
    EXPECT_EQ(s.ToolboxDate, "2026-11-01");
    EXPECT_EQ(s.StationTable, "YUL,-5:00,00:45,Y,");
    EXPECT_EQ(s.SharedNotes, "notes");
}

TEST(Schedule, MonthCalendar) {
    Schedule s;
    ASSERT_TRUE(s.SetMonthDates(D(1, 7, 1998), D(31, 7, 1998)));
    EXPECT_EQ(s.DaysInMonth, 31);
    EXPECT_EQ(s.FirstWeekday, 3); // a Wednesday
    EXPECT_EQ(s.MonthDays[0], (DayMonthYear{1, 7, 1998}));
    EXPECT_EQ(s.MonthDays[30], (DayMonthYear{31, 7, 1998}));
    EXPECT_EQ(std::string(s.DayWeekday[0].data()), "WE");
    EXPECT_EQ(std::string(s.DayWeekday[4].data()), "SU");
    EXPECT_EQ(s.DayWeekday[4][2], '\0');
    EXPECT_FALSE(s.Weekend[2]);
    EXPECT_TRUE(s.Weekend[3]);
    EXPECT_TRUE(s.Weekend[4]);
    EXPECT_FALSE(s.Weekend[5]);
    EXPECT_EQ(s.PriorDays[30], (DayMonthYear{30, 6, 1998}));
    EXPECT_EQ(s.PriorDays[0], (DayMonthYear{31, 5, 1998}));
    EXPECT_EQ(s.ReferenceMonth, 7);
    EXPECT_EQ(s.ReferenceYear, 1998);
    EXPECT_EQ(s.MonthText, "Jul");
    EXPECT_EQ(s.YearText, "1998");
    EXPECT_EQ(s.MonthDayDate(30), D(31, 7, 1998));
    EXPECT_EQ(s.MonthDayDate(31), Date());
    EXPECT_EQ(s.PriorDayDate(30), D(30, 6, 1998));

    // A shorter month leaves nothing of the longer one behind; the reference day may be in the
    // next year.
    ASSERT_TRUE(s.SetMonthDates(D(31, 12, 2026), D(29, 1, 2027)));
    EXPECT_EQ(s.DaysInMonth, 30);
    EXPECT_EQ(s.MonthDays[30], DayMonthYear{});
    EXPECT_EQ(s.DayWeekday[30][0], '\0');
    EXPECT_EQ(s.MonthText, "Jan");
    EXPECT_EQ(s.YearText, "2027");
    EXPECT_EQ(s.ReferenceMonth, 1);
}

TEST(Schedule, MonthDatesThatCannotBeAMonthChangeNothing) {
    Schedule s;
    ASSERT_TRUE(s.SetMonthDates(D(1, 7, 1998), D(31, 7, 1998)));
    struct Case {
        Date start, end;
    } cases[] = {
        {D(1, 7, 1998), D(1, 8, 1998)}, // 32 days
        {D(2, 7, 1998), D(1, 7, 1998)}, // ends before it starts
        {Date(), D(1, 7, 1998)},
        {D(1, 7, 1998), Date()},
    };
    for (const auto& c : cases) EXPECT_FALSE(s.SetMonthDates(c.start, c.end));
    EXPECT_EQ(s.DaysInMonth, 31);
    EXPECT_EQ(s.MonthDays[0], (DayMonthYear{1, 7, 1998}));
    EXPECT_TRUE(s.SetMonthDates(D(1, 7, 1998), D(1, 7, 1998)));
    EXPECT_EQ(s.DaysInMonth, 1);
}

TEST(Schedule, DaylightSavingChangeOfTheMonth) {
    struct Case {
        const char* name;
        Date start, end;
        int changeDay; // -1: none
        int shift;
    } cases[] = {
        {"2-31 March, 1 March a Sunday", D(2, 3, 2026), D(31, 3, 2026), 6, 60},
        {"1-31 March 2026", D(1, 3, 2026), D(31, 3, 2026), 7, 60},
        {"2-31 March 2025", D(2, 3, 2025), D(31, 3, 2025), 7, 60},
        {"31 Jan-1 Mar", D(31, 1, 2026), D(1, 3, 2026), -1, 0},
        {"November 2026, 1st a Sunday", D(1, 11, 2026), D(30, 11, 2026), 0, -60},
        {"November 2025", D(1, 11, 2025), D(30, 11, 2025), 1, -60},
        {"July", D(1, 7, 2026), D(31, 7, 2026), -1, 0},
        {"3 March-1 April: the second Sunday is inside", D(3, 3, 2026), D(1, 4, 2026), 5, 60},
        {"16 March-14 April: after the change", D(16, 3, 2026), D(14, 4, 2026), -1, 0},
        {"8 November-7 December: after the change", D(8, 11, 2026), D(7, 12, 2026), -1, 0},
    };
    for (const auto& c : cases) {
        Schedule s;
        ASSERT_TRUE(s.SetMonthDates(c.start, c.end)) << c.name;
        EXPECT_EQ(s.DetermineDst(), c.changeDay >= 0) << c.name;
        EXPECT_EQ(s.DstChangeTime, c.changeDay >= 0 ? c.changeDay * 1440 + 120 : 0) << c.name;
        EXPECT_EQ(s.DstShift, c.shift) << c.name;
    }
    Schedule s;
    s.SetMonthDates(D(2, 3, 2026), D(31, 3, 2026));
    EXPECT_EQ(s.MarchChange, D(8, 3, 2026));
    EXPECT_EQ(s.NovemberChange, D(1, 11, 2026));
    Schedule empty;
    EXPECT_FALSE(empty.DetermineDst());
}

TEST(Schedule, StationValueFromTheStationTable) {
    Schedule s;
    s.StationTable = "YUL,-5:00,00:45,Y,YVR,-8:00,01:00,Y,";
    EXPECT_EQ(s.StationValue("YUL"), 45);
    EXPECT_EQ(s.StationValue("YVR"), 60);
    EXPECT_EQ(s.StationValue("YHZ"), 30);
    EXPECT_EQ(s.StationValue("YU"), 30);
}

} // namespace
} // namespace tq
