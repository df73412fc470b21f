#include "model/NewMonth.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

Date D(int day, int month, int year) {
    return Date::FromDmy(day, month, year);
}

TEST(NewMonth, DefaultsOfTheCrewType) {
    struct Case {
        CrewTypeValue crew;
        int blockHolder, reserve, reducedMin, reducedMax, reducedDaysOff;
    } cases[] = {
        {kCaptains, 12, 12, 2400, 2700, 21},
        {kFirstOfficers, 12, 12, 2400, 2700, 21},
        {kCabinCrew, 10, 12, 2400, 3000, 12},
    };
    for (const auto& c : cases) {
        test::RecordingUi ui;
        Schedule s;
        ASSERT_TRUE(MakeNewMonth(s, ui, D(1, 7, 2026), D(31, 7, 2026), c.crew, "YULCRJFOM"));
        EXPECT_EQ(s.CrewType, c.crew);
        EXPECT_EQ(s.DaysOffBlockHolder, c.blockHolder);
        EXPECT_EQ(s.DaysOffReserve, c.reserve);
        EXPECT_EQ(s.ReducedMinBlock, c.reducedMin);
        EXPECT_EQ(s.ReducedMaxBlock, c.reducedMax);
        EXPECT_EQ(s.ReducedMinDaysOff, c.reducedDaysOff);
        EXPECT_EQ(s.AvgBlockCredit, 4650); // the other rules keep their reset values
        EXPECT_TRUE(ui.events.empty());
    }
}

TEST(NewMonth, AnEmptyUntitledMonth) {
    test::RecordingUi ui;
    test::RecordingEventLog log;
    Schedule s;
    s.Log = &log;
    s.EmployeeCount = 3;
    s.LastPairingIndex = 10;
    s.FileName = "old.tq2";
    ASSERT_TRUE(MakeNewMonth(s, ui, D(2, 3, 2026), D(31, 3, 2026), kFirstOfficers, "YYZDH8FOZ"));
    EXPECT_EQ(s.FileKey, "YYZDH8FOZ");
    EXPECT_EQ(s.EmployeeCount, 0);
    EXPECT_EQ(s.LastPairingIndex, -1);
    EXPECT_EQ(s.FileName, "");
    EXPECT_TRUE(s.Untitled);
    EXPECT_EQ(s.DaysInMonth, 30);
    EXPECT_EQ(s.MonthText, "Mar");
    EXPECT_EQ(s.DstChangeTime, 6 * 1440 + 120);
    EXPECT_EQ(log.text, "BeginDeleteAll\nZeroDataBegin\nZeroDataEnd\nEndDeleteAll\n");
}

TEST(NewMonth, RefusalsAsTheDialogsGiveThem) {
    test::RecordingUi ui;
    Schedule s;
    s.EmployeeCount = 3;
    EXPECT_FALSE(MakeNewMonth(s, ui, D(1, 7, 2026), D(31, 7, 2026), kCaptains, "YYZDH8CA"));
    EXPECT_EQ(s.EmployeeCount, 3); // nothing cleared for a key the wizard would not take
    EXPECT_FALSE(MakeNewMonth(s, ui, D(1, 7, 2026), D(1, 8, 2026), kCaptains, "YYZDH8CAZ"));
    EXPECT_EQ(s.DaysInMonth, 0);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                                 "[Tarvelstrand] YYZDH8CA Is Not a Valid Base/Eqp/Status/Pairing Combination",
                                 "[Tarvelstrand] The new Month cannot contain more than 31 days."}));
}

} // namespace
} // namespace tq
