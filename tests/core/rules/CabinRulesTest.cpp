#include "rules/CabinRules.h"
#include "rules/FrenchCabinCheck.h"
#include "support/LineBuilder.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::CodeSpec;
using test::FlaggedDays;
using test::LineBuilder;
using test::PairingSpec;

CodeSpec Rb() {
    return {.code = "RB", .start = 720, .length = 840, .duty = true, .reserve = true};
}

TEST(CabinRestRule, TwelveHoursAfterEveryRelease) {
    struct Case {
        int report;
        const char* text;
    } cases[] = {{479, " Rest  4+"}, {480, ""}};
    for (const auto& c : cases) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        b.HoldDuty(e, 2, 600, 1200); // released 20:00: 08:00 next day
        b.HoldDuty(e, 3, c.report, c.report + 480);
        CabinRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.report;
        EXPECT_EQ(b.line(e).WarningText, "");
    }
}

TEST(CabinRestRule, SecondOvernightDutyMayReportTwoHoursSooner) {
    // Overnight pairing on day 2 released 07:00 on day 3: the next report is due at 19:00, and
    // 17:00 for a second overnight duty.
    struct Case {
        bool secondOvernight;
        int report;
        const char* text;
    } cases[] = {{true, 1020, ""}, {true, 1019, " Rest  4+"}, {false, 1020, " Rest  4+"}, {false, 1140, ""}};
    for (const auto& c : cases) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        PairingSpec night;
        night.report = 1320;
        night.tafb = 540;
        night.overnight = true;
        night.operates = {2};
        b.Hold(e, b.AddPairing(night), 2);
        PairingSpec next;
        next.report = c.report;
        next.tafb = 600;
        next.overnight = c.secondOvernight;
        next.operates = {3};
        b.Hold(e, b.AddPairing(next), 3);
        CabinRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.secondOvernight << " " << c.report;
    }
}

TEST(CabinRestRule, OvernightDutyAtTheEndOfThePreviousMonth) {
    // 30 June: report 20:00 for 9 hours with nothing credited on 1 July; legal check-in 10:00.
    for (const bool overnightBefore : {true, false}) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        b.line(e).LegalCheckIn = 600;
        b.line(e).PriorDay[30][kPriorStart] = 1200;
        b.line(e).PriorDay[30][kPriorTafb] = overnightBefore ? 540 : 480;
        PairingSpec night;
        night.report = 480;
        night.tafb = 600;
        night.overnight = true;
        night.operates = {0};
        b.Hold(e, b.AddPairing(night), 0);
        CabinRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, overnightBefore ? "" : " Rest  1+") << overnightBefore;
    }
}

TEST(CabinRestRule, DaysAfterTheMonthAreMarkedButNotListed) {
    LineBuilder b(kCabinCrew);
    const int e = b.AddLine();
    b.HoldDuty(e, 30, 600, 1200);
    b.PlaceCode(e, 31, {.code = "SIM", .start = 420, .length = 240});
    CabinRestRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{31});
}

TEST(CabinConsecutiveDaysRule, SeventhDayOnAndTheSingleDayOffAfterIt) {
    LineBuilder b(kCabinCrew);
    const int e = b.AddLine();
    for (int d = 2; d <= 8; ++d) b.HoldDuty(e, d, 480, 900);
    b.HoldDuty(e, 10, 480, 900); // one day off (day 9) after the run
    CabinConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).WarningText, "Con Days On/Off 9 10+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayWarning), (std::vector<int>{8, 9}));
}

TEST(CabinConsecutiveDaysRule, ReserveLinesNeedTwoDaysOffAndRunsOfFive) {
    struct Case {
        std::vector<int> worked;
        const char* text;
    } cases[] = {
        {{2, 4}, "Con Days On/Off 5+"},             // a single day off
        {{2, 5}, ""},                               // two days off
        {{2, 3, 4, 5, 6, 7}, "Con Days On/Off 8+"}, // the sixth day on
        {{2, 3, 4, 5, 6}, ""},
    };
    for (const auto& c : cases) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        b.line(e).BidReserveOrLoa = 1;
        for (int d : c.worked) b.PlaceCode(e, d, {.code = "RSV", .start = 360, .length = 600});
        CabinConsecutiveDaysRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).WarningText, c.text) << c.worked.size();
    }
}

TEST(CabinConsecutiveDaysRule, RunIntoTheNextMonthCarriesOut) {
    LineBuilder b(kCabinCrew);
    const int e = b.AddLine();
    for (int slot = 25; slot <= 30; ++slot)
        b.line(e).PriorDay[static_cast<std::size_t>(slot)][kPriorWorked] = 1;
    b.HoldDuty(e, 0, 480, 900); // the seventh day on
    PairingSpec last;
    last.report = 480;
    last.tafb = 7 * 1440;
    last.operates = {27};
    b.Hold(e, b.AddPairing(last), 27); // days 27..34: the seventh is after the month
    CabinConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).WarningText, "Con Days On/Off 1 C/Out.+");
}

TEST(FrenchCabinCheck, TheJuniorNonFrenchHolderIsQuoted) {
    LineBuilder b(kCabinCrew);
    const int senior = b.AddLine("SENIOR");
    const int junior = b.AddLine("JUNIOR");
    PairingSpec french;
    french.number = 4321;
    french.text = "FRENCH PAIRING";
    french.operates = {3};
    const int seatA = b.AddPairing(french);
    const int seatB = b.AddPairing(french);
    b.Hold(senior, seatA, 3);
    b.Hold(junior, seatB, 3);

    FrenchCabinResult r = FrenchCabinCheck(b.schedule(), junior, seatB, 3);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.quoted, junior);
    EXPECT_FALSE(b.line(senior).RecheckDone) << "the other holder is marked";
    EXPECT_TRUE(b.line(junior).RecheckDone);

    r = FrenchCabinCheck(b.schedule(), senior, seatA, 3);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.quoted, junior);

    b.line(senior).AgeMedFlags = 1; // French qualified
    EXPECT_TRUE(FrenchCabinCheck(b.schedule(), junior, seatB, 3).passed);

    // A seat still open keeps the pairing possible.
    b.line(senior).AgeMedFlags = 0;
    b.line(senior).DayPairing[3] = kNoPairing;
    EXPECT_TRUE(FrenchCabinCheck(b.schedule(), junior, seatB, 3).passed);
}

TEST(FrenchCabinCheck, WithoutSiblingsOnlyTheEmployeeCounts) {
    LineBuilder b(kCabinCrew);
    const int e = b.AddLine();
    PairingSpec french;
    french.text = "FRENCH PAIRING";
    french.operates = {3};
    const int p = b.AddPairing(french);
    PairingSpec plain;
    plain.number = 1001;
    plain.operates = {3};
    const int q = b.AddPairing(plain);
    EXPECT_FALSE(FrenchCabinCheck(b.schedule(), e, p, 3).passed);
    EXPECT_EQ(FrenchCabinCheck(b.schedule(), e, p, 3).quoted, e);
    EXPECT_TRUE(FrenchCabinCheck(b.schedule(), e, q, 3).passed);
    b.line(e).AgeMedFlags = 1;
    EXPECT_TRUE(FrenchCabinCheck(b.schedule(), e, p, 3).passed);
    EXPECT_TRUE(FrenchCabinCheck(b.schedule(), e, 99, 3).passed) << "an index out of range";
}

TEST(FrenchPairingRule, OnlyTheQuotedEmployeeGetsTheException) {
    LineBuilder b(kCabinCrew);
    const int senior = b.AddLine("SENIOR");
    const int junior = b.AddLine("JUNIOR");
    PairingSpec french;
    french.text = "FRENCH PAIRING";
    french.operates = {3};
    const int seatA = b.AddPairing(french);
    const int seatB = b.AddPairing(french);
    b.Hold(senior, seatA, 3);
    b.Hold(junior, seatB, 3);
    FrenchPairingRule(b.schedule(), junior);
    FrenchPairingRule(b.schedule(), senior);
    EXPECT_EQ(b.line(junior).ExceptionText, " French Pair  4+");
    EXPECT_EQ(FlaggedDays(b.line(junior).DayException), std::vector<int>{3});
    EXPECT_EQ(b.line(senior).ExceptionText, "");
}

TEST(FamiliarisationRule, NoFamsLinesWarnOnExtraFlightAttendantPairings) {
    for (const int qual : {2, 0}) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        b.line(e).SpecialQual = qual;
        PairingSpec fam;
        fam.text = "YYZ-YUL EXTRA FA ON 5";
        fam.operates = {4};
        b.Hold(e, b.AddPairing(fam), 4);
        FamiliarisationRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).WarningText, qual == 2 ? "Fam Pairing in Block on 5+" : "") << qual;
    }
}

TEST(RbGroupingRule, SingleRbDaysNeedTwoDaysOffAroundThem) {
    // Work, one day off, RB, then two days off: the RB day is an exception; with two days off
    // before it, or an RB pair, it is not.
    struct Case {
        std::vector<int> work, rb;
        const char* text;
    } cases[] = {
        {{2, 10}, {4, 12}, " Must Have 2 Days Off before and after RB periods on 5 13+"},
        {{2}, {5}, ""},
        {{2}, {4, 5}, ""},
        {{7}, {4}, ""}, // work right after two days off
        {{6}, {4}, " Must Have 2 Days Off before and after RB periods on 5+"},
    };
    for (const auto& c : cases) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        for (int d : c.work) b.HoldDuty(e, d, 480, 900);
        for (int d : c.rb) b.PlaceCode(e, d, Rb());
        RbGroupingRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.rb.front();
    }
}

TEST(RbGroupingRule, LastMonthRbDay) {
    LineBuilder b(kCabinCrew);
    const int e = b.AddLine();
    b.line(e).PriorDay[26][kPriorWorked] = 1;
    b.line(e).PriorDay[28][kPriorWorked] = 2;
    b.line(e).PriorDayCode[28] = "RB ";
    RbGroupingRule(b.schedule(), b.line(e));
    // Slot 28's RB also works slot 29; slot 27 is the single day off before it.
    EXPECT_EQ(b.line(e).ExceptionText, " Must Have 2 Days Off before and after RB periods on Last Month+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{});
}

TEST(RbGroupingRule, ReducedBlocksGroupRbDaysInTwos) {
    struct Case {
        int maxOverride;
        std::vector<int> rb;
        const char* text;
    } cases[] = {
        {3420, {4}, " RB Days Must be Grouped in 2s for Reduced Block on  6+"},
        {3420, {4, 5}, ""},
        {4200, {4, 9}, " RB Days Must be Grouped in 2s for Reduced Block on  6 11+"},
        {4201, {4}, ""}, // not a reduced block, and two days off around it
    };
    for (const auto& c : cases) {
        LineBuilder b(kCabinCrew);
        const int e = b.AddLine();
        b.line(e).MaxBlockOverride = c.maxOverride;
        for (int d : c.rb) b.PlaceCode(e, d, Rb());
        RbGroupingRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.maxOverride << " " << c.rb.size();
    }
}

} // namespace
} // namespace tq
