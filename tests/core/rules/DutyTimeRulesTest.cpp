#include "rules/DutyTimeRules.h"
#include "support/LineBuilder.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::FlaggedDays;
using test::Items;
using test::LineBuilder;
using test::PairingSpec;

// Timeline position of month day d.
constexpr int T(int d) {
    return d + 31;
}

// The day-by-day entries of the log, before the dump of the arrays.
std::vector<std::string> LogEntries(const TPilot& line) {
    std::vector<std::string> entries;
    for (const auto& item : Items(line.DutyRuleText)) {
        if (item.rfind("-----", 0) == 0) break;
        entries.push_back(item);
    }
    return entries;
}

std::vector<std::string> Checks60Passed(int firstDay, int lastDay) {
    std::vector<std::string> entries;
    for (int d = firstDay; d <= lastDay; ++d) {
        char text[64];
        std::snprintf(text, sizeof text, "Checking %02d/07/2026 PASSED 2LNR 60/7 4SDFD", d);
        entries.emplace_back(text);
    }
    return entries;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// A month of July 2026 whose previous month was worked every day (08:00-18:00): no day free of
// duty anywhere in June.
LineBuilder WorkedJune(int& employee, Date first = Date::FromDmy(1, 7, 2026)) {
    LineBuilder b(kCaptains, first, 30);
    employee = b.AddLine();
    for (int slot = 0; slot <= 30; ++slot) b.PriorTrip(employee, slot, 480, 600, 600);
    return b;
}

TEST(DutyTimeRules, DailyDutySplitsAtMidnightAndReserveCountsAThird) {
    struct Case {
        const char* what;
        bool pairing;
        int start, length;
        bool reserve, cars;
        int onDay, nextDay;
    } cases[] = {
        {"22:00-03:00", true, 1320, 300, false, false, 120, 180},
        {"day duty", true, 480, 600, false, false, 600, 0},
        {"reserve 9h", false, 360, 540, true, true, 180, 0},
        {"reserve over midnight", false, 1320, 540, true, true, 40, 140},
        {"CARs duty code", false, 480, 300, false, true, 300, 0},
        {"code without CARs duty", false, 480, 300, false, false, 0, 0},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        if (c.pairing)
            b.HoldDuty(e, 3, c.start, c.start + c.length);
        else
            b.PlaceCode(
                e, 3,
                {.code = "RA", .start = c.start, .length = c.length, .reserve = c.reserve, .cars = c.cars});
        DutyTimeRules(b.schedule(), b.line(e), false);
        EXPECT_EQ(b.line(e).DutyTotals[T(3)][0], c.onDay) << c.what;
        EXPECT_EQ(b.line(e).DutyTotals[T(4)][0], c.nextDay) << c.what;
    }
}

TEST(DutyTimeRules, SevenAndTwentyEightDayTotals) {
    LineBuilder b;
    const int e = b.AddLine();
    for (int slot = 1; slot <= 30; ++slot) b.PriorTrip(e, slot, 480, 100, 100);
    for (int d = 0; d < 7; ++d) b.HoldDuty(e, d, 480, 1080);
    DutyTimeRules(b.schedule(), b.line(e), false);
    const auto& totals = b.line(e).DutyTotals;
    EXPECT_EQ(totals[6][1], 0) << "no 7-day total before position 7";
    EXPECT_EQ(totals[7][1], 700);
    EXPECT_EQ(totals[28][2], 0) << "no 28-day total before position 29";
    EXPECT_EQ(totals[29][2], 2800);
    EXPECT_EQ(totals[T(6)][0], 600);
    EXPECT_EQ(totals[T(6)][1], 4200);
    EXPECT_EQ(totals[T(6)][2], 21 * 100 + 4200);
}

TEST(DutyTimeRules, SixtyHoursInSevenDays) {
    // June free, then six duty days: 3600 minutes pass, 3601 fail (and switch to 70/7 on the
    // last of June's days free of duty, where the check passes).
    for (const int last : {600, 601}) {
        LineBuilder b;
        const int e = b.AddLine();
        for (int d = 0; d < 6; ++d) b.HoldDuty(e, d, 480, 480 + (d == 5 ? last : 600));
        DutyTimeRules(b.schedule(), b.line(e), false);
        EXPECT_EQ(b.line(e).DutyTotals[T(5)][1], 3000 + last);
        std::vector<std::string> expected = Checks60Passed(1, 5);
        if (last == 600) {
            Append(expected, Checks60Passed(6, 6));
        } else {
            expected.push_back("Checking 06/07/2026 FAIL 60HR/7D");
            expected.push_back("ATTEMPT LOGIC CHANGE to 70/7 on 30/6/2026.");
            for (int d = 1; d <= 6; ++d)
                expected.push_back("Checking 0" + std::to_string(d) + "/07/2026 PASSED 70/7.");
        }
        EXPECT_EQ(LogEntries(b.line(e)), expected) << last;
        EXPECT_EQ(b.line(e).ExceptionText, "") << last;
    }
}

TEST(DutyTimeRules, SwitchFailsWhenTheOtherRegimeFailsToo) {
    // As above with 721 minutes on day 0: after the switch 70/7 fails its 12-hour test on the
    // first day; the failure is marked where the switch was tried and 60/7 is back.
    LineBuilder b;
    const int e = b.AddLine();
    for (int d = 0; d < 6; ++d) b.HoldDuty(e, d, 480, 480 + (d == 0 ? 721 : 600));
    DutyTimeRules(b.schedule(), b.line(e), false);
    std::vector<std::string> expected = Checks60Passed(1, 5);
    Append(expected, {"Checking 06/07/2026 FAIL 60HR/7D", "ATTEMPT LOGIC CHANGE to 70/7 on 30/6/2026.",
                      "Checking 01/07/2026 FAIL 12HR DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. "});
    EXPECT_EQ(LogEntries(b.line(e)), expected);
    EXPECT_EQ(b.line(e).ExceptionText, " 60h/7d 2LNR Rules 6+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{5});
}

TEST(DutyTimeRules, SeventyHourRegimeTests) {
    // June free, then eight short duty days: day 6 has no single day free in its last seven, so
    // 60/7 fails and 70/7 takes over from 1 July with June's last five days free. What days 0-2
    // hold decides which 70/7 test fails.
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> firstDays; // start, length of days 0, 1, 2
        std::vector<std::string> after;             // entries after the switch
        const char* exceptions;
    } cases[] = {
        {"all pass",
         {},
         {"Checking 01/07/2026 PASSED 70/7.", "Checking 02/07/2026 PASSED 70/7.",
          "Checking 03/07/2026 PASSED 70/7.", "Checking 04/07/2026 PASSED 70/7.",
          "Checking 05/07/2026 PASSED 70/7.", "Checking 06/07/2026 PASSED 70/7.",
          "Checking 07/07/2026 PASSED 70/7.", "Checking 08/07/2026 PASSED 70/7."},
         ""},
        {"early start",
         {{480, 300}, {360, 300}},
         {"Checking 01/07/2026 PASSED 70/7.", "Checking 02/07/2026 FAIL EARLY/LATE DUTY FAILED 70/7.",
          "ATTEMPT LOGIC CHANGE FAIL. ", "Checking 08/07/2026 FAIL 2LNR"},
         " 60h/7d 2LNR Rules 7 8+"},
        {"late end",
         {{1200, 241}},
         {"Checking 01/07/2026 FAIL EARLY/LATE DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. ",
          "Checking 08/07/2026 FAIL 2LNR"},
         " 60h/7d 2LNR Rules 7 8+"},
        {"24 in 48",
         {{720, 720}, {420, 720}, {420, 60}},
         {"Checking 01/07/2026 PASSED 70/7.", "Checking 02/07/2026 PASSED 70/7.",
          "Checking 03/07/2026 FAIL 24DUTY in 48HR FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. ",
          "Checking 08/07/2026 FAIL 2LNR"},
         " 60h/7d 2LNR Rules 7 8+"},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        for (int d = 0; d < 8; ++d) {
            auto [start, length] = d < static_cast<int>(c.firstDays.size())
                                       ? c.firstDays[static_cast<std::size_t>(d)]
                                       : std::pair<int, int>{480, 300};
            b.HoldDuty(e, d, start, start + length);
        }
        DutyTimeRules(b.schedule(), b.line(e), false);
        std::vector<std::string> expected = Checks60Passed(1, 6);
        Append(expected, {"Checking 07/07/2026 FAIL 2LNR", "ATTEMPT LOGIC CHANGE to 70/7 on 30/6/2026."});
        Append(expected, c.after);
        EXPECT_EQ(LogEntries(b.line(e)), expected) << c.what;
        EXPECT_EQ(b.line(e).ExceptionText, c.exceptions) << c.what;
    }
}

TEST(DutyTimeRules, NoSwitchWithoutFiveDaysFree) {
    int e = 0;
    LineBuilder b = WorkedJune(e);
    b.HoldDuty(e, 0, 480, 780);
    DutyTimeRules(b.schedule(), b.line(e), false);
    const std::vector<std::string> entries = LogEntries(b.line(e));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries.front(), "Checking 27/06/2026 FAIL 60HR/7D FAIL 2LNR FAIL 4SDFD");
    EXPECT_EQ(entries.back(), "Checking 01/07/2026 FAIL 60HR/7D FAIL 2LNR FAIL 4SDFD");
    // Failed days of the previous month are listed by date, without a blank before them.
    EXPECT_EQ(b.line(e).ExceptionText, " 60h/7d 2LNR Rules27/06/2026.28/06/2026.29/06/2026.30/06/2026. 1+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{0});
}

TEST(DutyTimeRules, TailDayAfterMidnightSkipsTheFreeDayTests) {
    // A duty released at 00:20 puts a day of its own on duty; that day is checked for 60 hours only.
    int e = 0;
    LineBuilder b = WorkedJune(e);
    b.HoldDuty(e, 3, 1200, 1460);
    DutyTimeRules(b.schedule(), b.line(e), false);
    const std::vector<std::string> entries = LogEntries(b.line(e));
    ASSERT_GE(entries.size(), 2u);
    // Three days free (1-3 July) before the trip: enough for 2LNR, not for 4SDFD.
    EXPECT_EQ(entries[entries.size() - 2], "Checking 04/07/2026 FAIL 4SDFD");
    EXPECT_EQ(entries.back(), "Checking 05/07/2026 PASSED 2LNR 60/7 4SDFD");
}

TEST(DutyTimeRules, AutumnChangeKeepsTheNightRestTestOnATailDay) {
    // November 2026: the clocks go back on Sunday 1 November. A tail day within a week after the
    // change still needs a day free of duty in the six days before it; the previous version
    // does not ask.
    for (const bool previous : {false, true}) {
        int e = 0;
        LineBuilder b = WorkedJune(e, Date::FromDmy(1, 11, 2026));
        ASSERT_EQ(b.schedule().DstShift, -60);
        for (int d = 0; d < 3; ++d) b.HoldDuty(e, d, 480, 780);
        b.HoldDuty(e, 3, 1200, 1460);
        DutyTimeRules(b.schedule(), b.line(e), previous);
        EXPECT_EQ(LogEntries(b.line(e)).back(),
                  previous ? "Checking 05/11/2026 PASSED 2LNR 60/7 4SDFD" : "Checking 05/11/2026 FAIL 2LNR")
            << previous;
    }
}

TEST(DutyTimeRules, LateOrNightDutyBeforeAnEarlyStart) {
    // Day 2's duty, then a trip reporting 06:00 on day 3: an early duty after a late or night one,
    // without a local night rest.
    struct Case {
        int start, length;
        bool flagged;
    } cases[] = {
        {1320, 300, true},  // 22:00-03:00: night
        {1320, 120, true},  // ends 24:00: late
        {1320, 239, true},  // ends 01:59: late
        {1200, 239, false}, // ends 23:59
        {60, 300, true},    // starts before 02:00: night
        {780, 780, true},   // 13:00 to 02:00: night
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        b.HoldDuty(e, 2, c.start, c.start + c.length);
        b.HoldDuty(e, 3, 360, 720);
        DutyTimeRules(b.schedule(), b.line(e), false);
        EXPECT_EQ(b.line(e).ExceptionText,
                  c.flagged ? " Early Duty preceded by Late or Night Duty to without LNR 04+" : "")
            << c.start << "+" << c.length;
        EXPECT_EQ(FlaggedDays(b.line(e).DayException), c.flagged ? std::vector<int>{3} : std::vector<int>{});

        // The previous version has no such findings.
        b.line(e).ExceptionText.clear();
        DutyTimeRules(b.schedule(), b.line(e), true);
        EXPECT_EQ(b.line(e).ExceptionText.find("Early Duty"), std::string::npos);
        b.line(e).ExceptionText.clear();
    }
}

TEST(DutyTimeRules, EarlyDutyBeforeALateOneWithoutNightRest) {
    // A trip reporting 05:00 and released 00:31, then a trip reporting 20:00 the same evening:
    // the late duty follows an early one and the release left no local night rest.
    LineBuilder b;
    const int e = b.AddLine();
    b.HoldDuty(e, 2, 300, 1440 + 31);
    b.HoldDuty(e, 3, 1200, 1440 + 60);
    DutyTimeRules(b.schedule(), b.line(e), false);
    EXPECT_EQ(b.line(e).ExceptionText, " Late or Night Duty preceded by Early Duty without LNR 04+");
}

// Four night duties 20:00-03:00 from day 2: the window of circadian low is touched on days 3-6.
// With more than three hours of layover rest before each ("key in hand") that is a warning only.
LineBuilder FourWoclNights(int& employee, int layoverRest) {
    LineBuilder b;
    employee = b.AddLine();
    PairingSpec nights;
    nights.report = 1200;
    nights.tafb = 3 * 1440 + 1620 - 1200;
    for (int k = 0; k < 4; ++k) nights.days.push_back({1200, 420, 300, 300, layoverRest});
    nights.operates = {2};
    b.Hold(employee, b.AddPairing(nights), 2);
    return b;
}

TEST(DutyTimeRules, WoclIntrusionsWithKeyInHand) {
    int e = 0;
    LineBuilder b = FourWoclNights(e, 600);
    DutyTimeRules(b.schedule(), b.line(e), false);
    EXPECT_EQ(b.line(e).WarningText, " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours 07+");
    EXPECT_EQ(FlaggedDays(b.line(e).DayWarning), std::vector<int>{6});
    EXPECT_EQ(b.line(e).ExceptionText, "");
}

TEST(DutyTimeRules, WoclIntrusionsWithoutKeyInHand) {
    for (const int rest : {0, 179}) {
        int e = 0;
        LineBuilder b = FourWoclNights(e, rest);
        DutyTimeRules(b.schedule(), b.line(e), false);
        EXPECT_EQ(b.line(e).WarningText, "") << rest;
        EXPECT_EQ(b.line(e).ExceptionText, " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions 07+") << rest;
        EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{6}) << rest;
    }
}

TEST(DutyTimeRules, FiftySixHoursOffAfterTheIntrusions) {
    // With key in hand, but a duty again the day after the nights' last release: 56 hours are
    // missing after the run.
    int e = 0;
    LineBuilder b = FourWoclNights(e, 600);
    b.HoldDuty(e, 7, 600, 900);
    DutyTimeRules(b.schedule(), b.line(e), false);
    EXPECT_EQ(b.line(e).WarningText, " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours 07+");
    EXPECT_EQ(b.line(e).ExceptionText, " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions 08+");
}

TEST(DutyTimeRules, PreviousVersionTakesDutyFromThePairingRecord) {
    // The header record holds each duty day's minutes at 0-based 343 + 4k, and on the last day
    // more at 347 + 4k; they go on the duty's own day, unsplit.
    auto header = [](const std::string& numbers) {
        return "1" + std::string(342, ' ') + numbers + "\n3 duty\n";
    };
    struct Case {
        const char* what;
        int report, release;
        std::string prg;
        int previousDay, previousNext, currentDay, currentNext;
    } cases[] = {
        {"one day with its last number", 480, 780, header("03000030"), 330, 0, 300, 0},
        {"over midnight", 1320, 1620, header("03000000"), 300, 0, 120, 180},
        {"short header", 480, 780, "1 short\n", 0, 0, 300, 0},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = b.AddLine();
        const int p = b.HoldDuty(e, 3, c.report, c.release);
        b.pairing(p).PrgText = c.prg;
        DutyTimeRules(b.schedule(), b.line(e), true);
        EXPECT_EQ(b.line(e).DutyTotals[T(3)][0], c.previousDay) << c.what;
        EXPECT_EQ(b.line(e).DutyTotals[T(4)][0], c.previousNext) << c.what;
        DutyTimeRules(b.schedule(), b.line(e), false);
        EXPECT_EQ(b.line(e).DutyTotals[T(3)][0], c.currentDay) << c.what;
        EXPECT_EQ(b.line(e).DutyTotals[T(4)][0], c.currentNext) << c.what;
    }
}

TEST(DutyTimeRules, PreviousMonthTripsCoverEveryDayTheyTouch) {
    // 08:00 on 26 June for 34 hours: released 18:00 on 27 June, both days on duty.
    LineBuilder b;
    const int e = b.AddLine();
    b.PriorTrip(e, 26, 480, 2040, 600);
    DutyTimeRules(b.schedule(), b.line(e), false);
    EXPECT_EQ(b.line(e).DutyTotals[26][0], 600);
    EXPECT_EQ(b.line(e).DutyTotals[27][0], 600);
    EXPECT_EQ(Items(b.line(e).DutyRuleText)[12 + 27], "27/06/2026  DUTY   ");
}

TEST(DutyTimeRules, ALayoverDayWithoutDutyIsNoEarlyDuty) {
    // June: free to the 21st, a three-day trip 22-24 June whose middle day has no duty
    // (00:00 for 0 minutes in the extract), then short duties 25-30 June. On 28 June 60/7 fails
    // and 70/7 takes over from 22 June; the layover day passes its early/late test.
    LineBuilder b;
    const int e = b.AddLine();
    b.PriorTrip(e, 22, 480, 2 * 1440 + 600, 600);
    auto& layover = b.line(e).PriorDay[23];
    layover[kPriorDutyStart] = layover[kPriorHomeDutyStart] = layover[kPriorDutyLength] = 0;
    for (int slot = 25; slot <= 30; ++slot) b.PriorTrip(e, slot, 480, 300, 300);
    DutyTimeRules(b.schedule(), b.line(e), false);
    const std::vector<std::string> entries = LogEntries(b.line(e));
    ASSERT_GE(entries.size(), 5u);
    EXPECT_EQ(entries[1], "Checking 28/06/2026 FAIL 2LNR");
    EXPECT_EQ(entries[2], "ATTEMPT LOGIC CHANGE to 70/7 on 21/6/2026.");
    EXPECT_EQ(entries[4], "Checking 23/06/2026 PASSED 70/7.");
    EXPECT_EQ(b.line(e).ExceptionText, "");
}

TEST(DutyTimeRules, DumpOfTheArrays) {
    LineBuilder b;
    const int e = b.AddLine();
    b.HoldDuty(e, 0, 480, 1080);
    DutyTimeRules(b.schedule(), b.line(e), false);
    const std::string dashes(80, '-');
    const std::vector<std::string> items = Items(b.line(e).DutyRuleText);
    ASSERT_EQ(items.size(), 1u + 11u + 93u);
    EXPECT_EQ(items[0], "Checking 01/07/2026 PASSED 2LNR 60/7 4SDFD");
    const std::vector<std::string> head(items.begin() + 1, items.begin() + 13);
    EXPECT_EQ(head,
              (std::vector<std::string>{
                  dashes, "RULE CHECKING DATA ARRAYS", dashes, "DUTY IS ANY QUALIFING DUTY THAT DAY",
                  "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT", "2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE",
                  "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6",
                  "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS", ">2448 IS OVER 24 HR DUTY IN 48.",
                  "ELN IS EARLY LATE OT NIGHT DUTY", dashes, "31/05/2026  LNR   2LNSDFD  "}));
    EXPECT_EQ(items[12 + 4], "04/06/2026  LNR   2LNSDFD  5LNR   ");
    EXPECT_EQ(items[12 + 31], "01/07/2026  DUTY   LNR   ");
    EXPECT_EQ(items[12 + 32], "02/07/2026  ");
    EXPECT_EQ(items[12 + 92], "31/08/2026  ") << "days after the month go on in the calendar";
    // No 70/7 check was made, so no minute map and no ">2448" marks.
    EXPECT_EQ(b.line(e).DutyRuleText.find(">2448  "), std::string::npos);
}

TEST(DutyTimeRules, OverTwentyFourInFortyEightOnlyAfterA70HourCheck) {
    // The 24-in-48 duties of the 70/7 test above, but no 60/7 failure: the map is never built.
    LineBuilder b;
    const int e = b.AddLine();
    b.HoldDuty(e, 0, 720, 1440);
    b.HoldDuty(e, 1, 420, 1140);
    b.HoldDuty(e, 2, 420, 480);
    DutyTimeRules(b.schedule(), b.line(e), false);
    EXPECT_EQ(b.line(e).DutyRuleText.find(">2448  "), std::string::npos);
    EXPECT_EQ(b.line(e).ExceptionText, "");
}

} // namespace
} // namespace tq
