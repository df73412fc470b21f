#include "rules/PilotRules.h"
#include "support/LineBuilder.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::CodeSpec;
using test::FlaggedDays;
using test::LineBuilder;
using test::PairingSpec;

// July 2026: day index d is the (d+1)th of July.

TEST(PilotRestRule, ReportAgainstTheEarliestLegalReport) {
    // Released 20:00 on day 2, so the earliest report is 07:00 on day 3 (11:00 rest); within the
    // hour after it the rest is short of 12 hours.
    struct Case {
        int report;
        const char* exceptions;
        const char* warnings;
    } cases[] = {
        {419, "Rest  4+", ""},
        {420, "", " Rest  4+"},
        {479, "", " Rest  4+"},
        {480, "", ""},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.HoldDuty(e, 2, 600, 1200);
        b.HoldDuty(e, 3, c.report, c.report + 480);
        PilotRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.exceptions) << c.report;
        EXPECT_EQ(b.line(e).WarningText, c.warnings) << c.report;
        EXPECT_EQ(b.line(e).DayException[3], *c.exceptions ? 1 : 0) << c.report;
        EXPECT_EQ(b.line(e).DayWarning[3], *c.warnings ? 1 : 0) << c.report;
    }
}

TEST(PilotRestRule, MinRestAfterRaisesTheRestAndItsWarning) {
    // A pairing asking 12:00 after it: released 20:00, the next report is legal from 08:00 and
    // short until 09:00.
    struct Case {
        int report;
        bool exception, warning;
    } cases[] = {{479, true, false}, {480, false, true}, {539, false, true}, {540, false, false}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        PairingSpec first;
        first.report = 600;
        first.tafb = 600;
        first.minRestAfter = 720;
        first.operates = {2};
        b.Hold(e, b.AddPairing(first), 2);
        b.HoldDuty(e, 3, c.report, c.report + 480);
        PilotRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(!b.line(e).ExceptionText.empty(), c.exception) << c.report;
        EXPECT_EQ(!b.line(e).WarningText.empty(), c.warning) << c.report;
    }
}

TEST(PilotRestRule, LegalCheckInIsTheFirstEarliestReport) {
    LineBuilder b;
    const int e = b.AddLine();
    b.line(e).LegalCheckIn = 540; // 09:00 on day 0
    b.HoldDuty(e, 0, 539, 900);
    PilotRestRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "Rest  1+");
}

TEST(PilotRestRule, ReserveCodeMayComeTwoHoursInsideTheRest) {
    // Released 20:00 on day 2: earliest report 07:00 on day 3. A reserve call-out may start up to
    // 121 minutes before it; a day 0 reserve after a reserve day of last month may not.
    struct Case {
        int start;
        bool exception;
    } cases[] = {{300, false}, {299, false}, {298, true}, {419, false}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.HoldDuty(e, 2, 600, 1200);
        b.PlaceCode(e, 3, {.code = "RA", .start = c.start, .length = 600, .reserve = true});
        PilotRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(!b.line(e).ExceptionText.empty(), c.exception) << c.start;
        EXPECT_EQ(b.line(e).WarningText, "") << "a reserve code never warns";
    }

    LineBuilder b;
    const int e = b.AddLine();
    b.line(e).LegalCheckIn = 420;
    b.line(e).PriorDay[30][kPriorWorked] = 2;
    b.PlaceCode(e, 0, {.code = "RA", .start = 400, .length = 600, .reserve = true});
    PilotRestRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "Rest  1+");
}

TEST(PilotRestRule, ReserveLeavesNineHoursRest) {
    // After a reserve day the next duty may report 8:59 after its end.
    LineBuilder b;
    const int e = b.AddLine();
    b.PlaceCode(e, 2, {.code = "RA", .start = 360, .length = 840, .reserve = true}); // ends 20:00
    b.HoldDuty(e, 3, 1200 + 539 - 1440, 900);
    PilotRestRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "");
    EXPECT_EQ(b.line(e).WarningText, " Rest  4+") << "short of the pairing's own 12 hours";

    LineBuilder c;
    const int f = c.AddLine();
    c.PlaceCode(f, 2, {.code = "RA", .start = 360, .length = 840, .reserve = true});
    c.HoldDuty(f, 3, 1200 + 538 - 1440, 900);
    PilotRestRule(c.schedule(), c.line(f));
    EXPECT_EQ(c.line(f).ExceptionText, "Rest  4+");
}

TEST(PilotRestRule, CodesWithoutDutyNeedTheirRestBefore) {
    // A vacation day counts from its midnight plus the last rest and two hours; another day off
    // from its start plus 11 hours. The pairing of day 2 reports 15:00; release in minutes from
    // day 2's midnight.
    struct Case {
        const char* code;
        int release;
        bool exception;
    } cases[] = {{"VAC", 1560, false}, {"VAC", 1561, true}, {"OF", 1440, false}, {"OF", 1441, true}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.HoldDuty(e, 2, 900, c.release);
        b.PlaceDayOff(e, 3, c.code);
        PilotRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.exception ? "Rest  4+" : "") << c.code << " " << c.release;
        EXPECT_EQ(b.line(e).WarningText, "") << "a day off never warns";
    }
}

TEST(PilotRestRule, DaysAfterTheMonthAreListedWithAMark) {
    LineBuilder b;
    const int e = b.AddLine();
    PairingSpec last;
    last.report = 600;
    last.tafb = 1440 + 600; // released 20:00 on day 31 (1 August)
    last.days = {{600, 600, 300, 300, 600}, {480, 720, 300, 300, 0}};
    last.operates = {30};
    b.Hold(e, b.AddPairing(last), 30);
    b.PlaceCode(e, 32, {.code = "SIM", .start = 360, .length = 240, .text = "SM"}); // 06:00 on 2 August
    PilotRestRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "Rest  2>+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{32});
}

TEST(PilotRestRule, SpringChangeShortensTheRest) {
    // March 2026: the clocks go forward at 02:00 on Sunday 8 March (day 7). Released 20:00 on
    // Saturday, the earliest report is 07:00 by elapsed time, 08:00 by the clock.
    struct Case {
        int report;
        const char* exceptions;
        const char* warnings;
    } cases[] = {{479, "Rest  8+", ""}, {539, "", " Rest  8+"}, {540, "", ""}};
    for (const auto& c : cases) {
        LineBuilder b(kCaptains, Date::FromDmy(1, 3, 2026), 31);
        ASSERT_EQ(b.schedule().DstShift, 60);
        ASSERT_EQ(b.schedule().DstChangeTime, 7 * 1440 + 120);
        const int e = b.AddLine();
        b.HoldDuty(e, 6, 600, 1200);
        b.HoldDuty(e, 7, c.report, 900);
        PilotRestRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.exceptions) << c.report;
        EXPECT_EQ(b.line(e).WarningText, c.warnings) << c.report;
    }
}

TEST(FatigueRule, CarriedInFatiguePlusAPairing) {
    struct Case {
        int carried, units;
        const char* text;
    } cases[] = {
        {5990, 20, " 100 Plus Fatigue Units on 3+"},
        {5980, 20, ""},
        {0, 6001, " 100 Plus Fatigue Units on 3+"},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.line(e).FatigueCarriedIn = c.carried;
        // Days 0 and 1 are covered by a two-day pairing without units, so nothing resets.
        PairingSpec trip;
        trip.report = 600;
        trip.tafb = 1440 + 300;
        trip.days = {{600, 600, 300, 300, 0}, {480, 420, 300, 300, 0}};
        trip.operates = {0};
        b.Hold(e, b.AddPairing(trip), 0);
        PairingSpec heavy;
        heavy.fatigue = c.units;
        heavy.operates = {2};
        b.Hold(e, b.AddPairing(heavy), 2);
        FatigueRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.carried << "+" << c.units;
    }
}

TEST(FatigueRule, AnUncoveredDayOrADayOffResetsTheSum) {
    for (const bool dayOff : {false, true}) {
        LineBuilder b;
        const int e = b.AddLine();
        b.line(e).FatigueCarriedIn = 5990;
        if (dayOff) b.PlaceDayOff(e, 0);
        PairingSpec heavy;
        heavy.fatigue = 20;
        heavy.operates = {1};
        b.Hold(e, b.AddPairing(heavy), 1);
        FatigueRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, "") << dayOff;
    }
    // A duty code adds its length.
    LineBuilder b;
    const int e = b.AddLine();
    b.line(e).FatigueCarriedIn = 5800;
    b.PlaceCode(e, 0, {.code = "SIM", .start = 480, .length = 201});
    FatigueRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, " 100 Plus Fatigue Units on 1+");
}

TEST(HardTimeRules, TwentyEightDaysOverOneHundredTwelveHours) {
    struct Case {
        int lastHard;
        const char* text;
    } cases[] = {{240, ""}, {241, " 112+ Hours Hard in 28 on 28+"}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        for (int d = 0; d < 28; ++d) b.HoldDuty(e, d, 480, 900, d == 27 ? c.lastHard : 240);
        RebuildDailyHard(b.schedule(), b.line(e));
        HardTime28DayRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.lastHard;
    }
}

TEST(HardTimeRules, PreviousMonthAndCarryOut) {
    // The previous month's hard time counts: 27 days of 240 before the month and 241 on day 0.
    LineBuilder b;
    const int e = b.AddLine();
    for (int slot = 4; slot <= 30; ++slot)
        b.line(e).PriorDay[static_cast<std::size_t>(slot)][kPriorHard] = 240;
    b.HoldDuty(e, 0, 480, 900, 241);
    RebuildDailyHard(b.schedule(), b.line(e));
    HardTime28DayRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, " 112+ Hours Hard in 28 on 1+");

    // Over only on the day after the month: the carry-out word.
    LineBuilder c;
    const int f = c.AddLine();
    for (int d = 4; d < 30; ++d) c.HoldDuty(f, d, 480, 900, 240);
    PairingSpec last;
    last.report = 480;
    last.tafb = 1440 + 480;
    last.days = {{480, 600, 240, 300, 0}, {480, 480, 241, 300, 0}};
    last.operates = {30};
    c.Hold(f, c.AddPairing(last), 30);
    RebuildDailyHard(c.schedule(), c.line(f));
    HardTime28DayRule(c.schedule(), c.line(f));
    EXPECT_EQ(c.line(f).ExceptionText, " 112+ Hours Hard in 28 on C/Out+");
    EXPECT_EQ(FlaggedDays(c.line(f).DayException), std::vector<int>{31});
}

TEST(HardTimeRules, NinetyDaysNeedThePreviousHardTimeText) {
    struct Case {
        int firstDay;
        std::size_t textLength;
        const char* text;
    } cases[] = {
        {200, 356, ""},
        {201, 356, " 300+ Hours Hard in 90 on 1+"},
        {201, 355, ""}, // too short: the rule does not run
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        std::string text;
        for (int i = 0; i < 89; ++i) text += "0200";
        b.line(e).PriorHardTimeText = text.substr(0, c.textLength);
        b.line(e).PriorHardTime.fill(200);
        b.HoldDuty(e, 0, 480, 900, c.firstDay);
        RebuildDailyHard(b.schedule(), b.line(e));
        HardTime90DayRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.firstDay << " " << c.textLength;
    }
}

TEST(TwelveHourDutyRule, FourLongDutiesInARow) {
    // Long duties 06:00-18:00 each day. The fourth is marked; a short duty inside a run of three
    // carries it on, a short one earlier breaks it.
    struct Case {
        std::vector<int> lengths; // duty minutes on days 2, 3, ...
        const char* text;
        std::vector<int> days;
    } cases[] = {
        {{720, 720, 720}, "", {}},
        {{720, 720, 720, 720}, " 3+ 12 Hr Duty on 6+", {5}},
        {{720, 720, 720, 600}, " 3+ 12 Hr Duty on 6+", {5}},
        {{720, 600, 720, 720}, "", {}},
        {{719, 720, 720, 720}, "", {}},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        for (std::size_t i = 0; i < c.lengths.size(); ++i)
            b.HoldDuty(e, 2 + static_cast<int>(i), 360, 360 + c.lengths[i]);
        TwelveHourDutyRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.lengths.size();
        EXPECT_EQ(FlaggedDays(b.line(e).DayException), c.days);
    }
}

TEST(TwelveHourDutyRule, TwentyFourHoursFreeStartAgainAndLastMonthIsNamedOnce) {
    LineBuilder b;
    const int e = b.AddLine();
    for (int d : {2, 3, 5, 6}) b.HoldDuty(e, d, 360, 1080);
    TwelveHourDutyRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, "") << "a day free in between";

    LineBuilder c;
    const int f = c.AddLine();
    for (int slot = 20; slot <= 23; ++slot) c.PriorTrip(f, slot, 360, 720, 720, 300);
    TwelveHourDutyRule(c.schedule(), c.line(f));
    EXPECT_EQ(c.line(f).ExceptionText, " 3+ 12 Hr Duty on Last Month+");
    EXPECT_EQ(FlaggedDays(c.line(f).DayException), std::vector<int>{});
}

TEST(Duty192HourRule, TwentyEightDayDutyTotals) {
    LineBuilder b(kCaptains, Date::FromDmy(1, 7, 2026), 31);
    const int e = b.AddLine();
    b.line(e).DutyTotals[31 + 4][2] = 11520;
    b.line(e).DutyTotals[31 + 5][2] = 11521;
    b.line(e).DutyTotals[31 + 32][2] = 11600;
    b.line(e).DutyTotals[31 + 37][2] = 12000; // beyond the rule's days
    Duty192HourRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, " 192h+/28d On 6 C/O.+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), (std::vector<int>{5, 32}));
}

TEST(PilotConsecutiveDaysRule, SeventhDayOnIsAWarning) {
    LineBuilder b;
    const int e = b.AddLine();
    for (int d = 2; d <= 9; ++d) b.HoldDuty(e, d, 480, 900);
    PilotConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).WarningText, " Con Days On 9+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayWarning), std::vector<int>{8});
    EXPECT_EQ(b.line(e).ExceptionText, "");
}

TEST(PilotConsecutiveDaysRule, RunFromThePreviousMonthNamesItsDays) {
    // Worked 24..30 June (slots 24..30): the seventh day, 30 June, is the day before the month.
    LineBuilder b;
    const int e = b.AddLine();
    for (int slot = 24; slot <= 30; ++slot)
        b.line(e).PriorDay[static_cast<std::size_t>(slot)][kPriorWorked] = 1;
    PilotConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).WarningText, " Con Days On <- 30 June +");
    EXPECT_EQ(FlaggedDays(b.line(e).DayWarning), std::vector<int>{});

    // Carried on into the month: the count goes on through 1 July.
    b.HoldDuty(e, 0, 480, 900);
    b.line(e).WarningText.clear();
    PilotConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).WarningText, " Con Days On <- 30 June  1+");
}

TEST(PilotConsecutiveDaysRule, ReserveRuns) {
    // Eight reserve days in a row are an exception on the eighth; five with work right after
    // them warn on the day after the fifth.
    LineBuilder b;
    const int e = b.AddLine();
    for (int d = 2; d <= 9; ++d)
        b.PlaceCode(e, d, {.code = "RA", .start = 360, .length = 720, .reserve = true});
    PilotConsecutiveDaysRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, " Con Days On 10+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{9});

    LineBuilder c;
    const int f = c.AddLine();
    for (int d = 2; d <= 6; ++d)
        c.PlaceCode(f, d, {.code = "RA", .start = 360, .length = 720, .reserve = true});
    c.HoldDuty(f, 8, 480, 900); // two days after the run
    PilotConsecutiveDaysRule(c.schedule(), c.line(f));
    EXPECT_EQ(c.line(f).WarningText, " Con Days On 8+");
    EXPECT_EQ(c.line(f).ExceptionText, "");
}

TEST(ReserveMixRule, ReserveTypesNeedTwoDaysBetween) {
    struct Case {
        const char* first;
        int gap; // days between
        const char* second;
        bool exception;
    } cases[] = {
        {"RB", 0, "RA", true},  {"RB", 1, "RA", true}, {"RB", 2, "RA", false}, {"RA", 1, "RB", true},
        {"RE", 1, "RB", true},  {"RA", 0, "RE", true}, {"RA", 1, "RE", false}, {"RB", 1, "RE", true},
        {"RE", 0, "RA", false}, {"AR", 0, "BR", true}, {"RA", 0, "RA", false},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.PlaceCode(e, 2, {.code = c.first, .start = 360, .length = 720, .reserve = true});
        b.PlaceCode(e, 3 + c.gap, {.code = c.second, .start = 360, .length = 720, .reserve = true});
        ReserveMixRule(b.schedule(), b.line(e));
        const std::string expected = c.exception ? " RA RB RE Mix On " + std::to_string(4 + c.gap) + "+" : "";
        EXPECT_EQ(b.line(e).ExceptionText, expected) << c.first << " " << c.gap << " " << c.second;
    }
}

TEST(ReserveMixRule, StartsFromTheLastDaysOfThePreviousMonth) {
    struct Case {
        int slot;
        const char* code;
        bool exception; // an RA on day 0
    } cases[] = {{30, "RSB", true}, {29, "LRB", true}, {28, "RB ", false}, {30, "RB", false}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.line(e).PriorDayCode[static_cast<std::size_t>(c.slot)] = c.code;
        b.PlaceCode(e, 0, {.code = "RA", .start = 360, .length = 720, .reserve = true});
        ReserveMixRule(b.schedule(), b.line(e));
        EXPECT_EQ(!b.line(e).ExceptionText.empty(), c.exception) << c.slot << " " << c.code;
    }
}

TEST(CheckPilotCreditRule, CarriedInAndPairingCreditInTheMonth) {
    struct Case {
        int carried;
        const char* text;
    } cases[] = {{5400 - 600, ""}, {5401 - 600, "Check Pilot Pair Credit > 90:00+"}};
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.line(e).CreditCarriedIn = c.carried;
        b.HoldDuty(e, 3, 480, 900, 300, 300);
        // A pairing over the month's end counts only its first day here.
        PairingSpec last;
        last.report = 480;
        last.tafb = 1440 + 480;
        last.days = {{480, 600, 240, 300, 0}, {480, 480, 240, 900, 0}};
        last.operates = {30};
        b.Hold(e, b.AddPairing(last), 30);
        CheckPilotCreditRule(b.schedule(), b.line(e));
        EXPECT_EQ(b.line(e).ExceptionText, c.text) << c.carried;
    }
}

TEST(AirportQualificationRule, EachDayIsAnItemOfItsOwn) {
    LineBuilder b;
    const int e = b.AddLine();
    PairingSpec ytz;
    ytz.text = "Z1234 YYZ-YTZ";
    ytz.operates = {2, 6};
    const int p = b.AddPairing(ytz);
    b.Hold(e, p, 2);
    b.Hold(e, p, 6);
    b.HoldDuty(e, 10, 480, 900);
    AirportQualificationRule(b.schedule(), b.line(e), "YTZ");
    EXPECT_EQ(b.line(e).ExceptionText, " Not Qualified for YTZ on 3+ 7+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), (std::vector<int>{2, 6}));
    b.line(e).ExceptionText.clear();
    AirportQualificationRule(b.schedule(), b.line(e), "YCG");
    EXPECT_EQ(b.line(e).ExceptionText, "");
}

TEST(UsaRule, PairingsWithUsaSegments) {
    LineBuilder b;
    const int e = b.AddLine();
    PairingSpec usa;
    usa.text = "USA SEGMENTS YYZ-LGA";
    usa.operates = {4};
    b.Hold(e, b.AddPairing(usa), 4);
    b.HoldDuty(e, 6, 480, 900);
    UsaRule(b.schedule(), b.line(e));
    EXPECT_EQ(b.line(e).ExceptionText, " USA Pairing on 5+");
}

} // namespace
} // namespace tq
