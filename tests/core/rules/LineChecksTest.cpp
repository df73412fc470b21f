#include "rules/LineChecks.h"
#include "support/LineBuilder.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <functional>

namespace tq {
namespace {

using test::FlaggedDays;
using test::Items;
using test::LineBuilder;
using test::PairingSpec;

TEST(CheckEmployeeLine, CaptainPairingsLineIsNotChecked) {
    LineBuilder b;
    const int e = b.AddLine("CAPT PAIRINGS");
    b.line(e).EmployeeNumber = -1;
    b.HoldDuty(e, 2, 600, 1200);
    b.HoldDuty(e, 3, 300, 900); // far too little rest
    b.line(e).ExceptionText = "left alone";
    CheckEmployeeLine(b.schedule(), e, false);
    EXPECT_EQ(b.line(e).ExceptionText, "left alone");
    EXPECT_EQ(b.line(e).DutyRuleText, "");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{});
}

TEST(CheckEmployeeLine, PilotRulesRunInTheirOrder) {
    // One finding each from the rest rule, the duty-time rules' sequences, the YTZ rule and the
    // USA rule, in the order the check run calls them.
    LineBuilder b;
    const int e = b.AddLine();
    b.line(e).NoTz = 1;
    b.line(e).AgeMedFlags = 1;
    PairingSpec both;
    both.text = "USA SEGMENTS YTZ";
    both.report = 1320;
    both.tafb = 300;
    both.operates = {2};
    b.Hold(e, b.AddPairing(both), 2);
    b.HoldDuty(e, 3, 360, 720); // 06:00 after a 03:00 release: rest and an early-after-night duty
    CheckEmployeeLine(b.schedule(), e, false);
    EXPECT_EQ(
        Items(b.line(e).ExceptionText),
        (std::vector<std::string>{"Rest  4", " Early Duty preceded by Late or Night Duty to without LNR 04",
                                  " Not Qualified for YTZ on 3", " USA Pairing on 3"}));
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), (std::vector<int>{2, 3}));
    EXPECT_NE(b.line(e).DutyRuleText.find("RULE CHECKING DATA ARRAYS"), std::string::npos);

    // The previous duty-time rules have no sequence findings.
    CheckEmployeeLine(b.schedule(), e, true);
    EXPECT_EQ(Items(b.line(e).ExceptionText),
              (std::vector<std::string>{"Rest  4", " Not Qualified for YTZ on 3", " USA Pairing on 3"}));
}

TEST(CheckEmployeeLine, FlagsSelectTheQualificationRules) {
    struct Case {
        int specialQual, noTz, noYcg, ageMed;
        std::vector<std::string> items;
    } cases[] = {
        {0, 0, 0, 0, {}},
        {3, 0, 0, 0, {"Check Pilot Pair Credit > 00:01"}},
        {0, 1, 1, 0, {" Not Qualified for YTZ on 5", " Not Qualified for YCG on 5"}},
        {0, 0, 0, 2, {}},
        {0, 0, 0, 3, {" USA Pairing on 5"}},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        b.schedule().CheckPilotMaxHours = 1;
        const int e = b.AddLine();
        auto& line = b.line(e);
        line.SpecialQual = c.specialQual;
        line.NoTz = c.noTz;
        line.NoYcg = c.noYcg;
        line.AgeMedFlags = c.ageMed;
        PairingSpec p;
        p.text = "YTZ YCG USA SEGMENT";
        p.operates = {4};
        b.Hold(e, b.AddPairing(p), 4);
        CheckEmployeeLine(b.schedule(), e, false);
        EXPECT_EQ(Items(line.ExceptionText), c.items) << c.specialQual << c.noTz << c.noYcg << c.ageMed;
    }
}

TEST(CheckEmployeeLine, CabinCrewLinesRunTheCabinRules) {
    // The same 11:30 rest is legal for a pilot, an exception for cabin crew; cabin lines get no
    // duty-time rules.
    for (const std::uint8_t crew : {kCaptains, kCabinCrew}) {
        LineBuilder b(crew);
        const int e = b.AddLine();
        b.HoldDuty(e, 2, 600, 1200);
        b.HoldDuty(e, 3, 450, 900);
        CheckEmployeeLine(b.schedule(), e, false);
        if (crew == kCabinCrew) {
            EXPECT_EQ(b.line(e).ExceptionText, " Rest  4+");
            EXPECT_EQ(b.line(e).WarningText, "");
            EXPECT_EQ(b.line(e).DutyRuleText, "");
        } else {
            EXPECT_EQ(b.line(e).ExceptionText, "");
            EXPECT_EQ(b.line(e).WarningText, " Rest  4+");
            EXPECT_FALSE(b.line(e).DutyRuleText.empty());
        }
    }
}

TEST(CheckEmployeeLine, EveryRunStartsAfresh) {
    LineBuilder b;
    const int e = b.AddLine();
    b.HoldDuty(e, 2, 600, 1200);
    const int late = b.HoldDuty(e, 3, 300, 900);
    CheckEmployeeLine(b.schedule(), e, false);
    ASSERT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{3});
    b.line(e).DayPairing[3] = kNoPairing;
    b.pairing(late).OperatesOn[3] = kOpen;
    CheckEmployeeLine(b.schedule(), e, false);
    EXPECT_EQ(b.line(e).ExceptionText, "");
    EXPECT_EQ(b.line(e).WarningText, "");
    EXPECT_EQ(FlaggedDays(b.line(e).DayException), std::vector<int>{});
}

TEST(CheckEmployeeLine, TheScratchLineAndBadIndexes) {
    LineBuilder b;
    b.AddLine();
    Schedule& s = b.schedule();
    s.Employees[kScratchLine].CopyFrom(b.line(0));
    s.Employees[kScratchLine].DayPairing[5] = 3000; // no such pairing: read as an empty day
    CheckEmployeeLine(s, kScratchLine, false);
    EXPECT_EQ(s.Employees[kScratchLine].ExceptionText, "");
    CheckEmployeeLine(s, kEmployeeSlots, false);
    CheckEmployeeLine(s, -1, false);
}

TEST(CheckEmployeeLine, WorkspaceRunRedrawsTheRow) {
    test::TestWorkspace t;
    Schedule& s = t.schedule();
    s.SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026));
    s.EmployeeCount = 1;
    s.Employees[0].Name = "ONE";
    s.Employees[0].EmployeeNumber = 5;
    CheckEmployeeLine(t.ws, 0, false);
    EXPECT_EQ(t.views.calls, std::vector<std::string>{"RepaintLine 0 0 62"});
}

TEST(RecheckMarkedLines, ChecksTheMarkedLinesOnce) {
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
    CheckEmployeeLine(b.schedule(), junior, false); // marks the senior holder
    EXPECT_FALSE(b.line(senior).RecheckDone);
    EXPECT_EQ(RecheckMarkedLines(b.schedule()), 1);
    EXPECT_TRUE(b.line(senior).RecheckDone);
    EXPECT_EQ(b.line(senior).ExceptionText, "");
    EXPECT_EQ(b.line(junior).ExceptionText, " French Pair  4+");
}

// A captains' file with a two-captain pairing on day 3: the loaded seat held by one line, its
// copy by another.
struct TwoCaptains {
    LineBuilder b;
    int first = 0, second = 0, third = 0;
    // `more` adds the second captain's other duties, loaded before the copy is made.
    TwoCaptains(int firstFlags, int secondFlags, const std::function<void(LineBuilder&, int)>& more = {}) {
        first = b.AddLine("FIRST");
        second = b.AddLine("SECOND");
        third = b.AddLine("THIRD");
        if (more) more(b, second);
        PairingSpec two;
        two.number = 5000;
        two.text = "TWO CAPTS ON 4";
        two.operates = {3};
        const int loaded = b.AddPairing(two);
        b.pairing(loaded).OperatesOn[3] = -kOpen;
        const int copy = b.AddCopy(loaded, 3);
        b.Hold(first, loaded, 3);
        b.Hold(second, copy, 3);
        b.line(first).AgeMedFlags = firstFlags;
        b.line(second).AgeMedFlags = secondFlags;
        for (int e : {first, second, third}) CheckEmployeeLine(b.schedule(), e, false);
    }
};

TEST(TwoCaptainRule, BothCaptainsOverSixtyFiveOrMedical) {
    struct Case {
        int firstFlags, secondFlags;
        const char* text;
    } cases[] = {
        {1, 1, " Both 60 on 2 Capt Pair+"},
        {1, 3, " Both 60 on 2 Capt Pair+"},
        {2, 3, " Both MED on 2 Capt Pair+"},
        {3, 3, " Both MED on 2 Capt Pair+"},
        {1, 2, ""},
        {0, 1, ""},
    };
    for (const auto& c : cases) {
        TwoCaptains t(c.firstFlags, c.secondFlags);
        TwoCaptainRule(t.b.schedule());
        EXPECT_EQ(t.b.line(t.second).ExceptionText, c.text) << c.firstFlags << " " << c.secondFlags;
        EXPECT_EQ(t.b.line(t.first).ExceptionText, "") << "the loaded seat's holder is not named";
    }
}

TEST(TwoCaptainRule, RunningAgainDoesNotRepeatTheFinding) {
    TwoCaptains t(1, 1);
    TwoCaptainRule(t.b.schedule());
    TwoCaptainRule(t.b.schedule());
    EXPECT_EQ(t.b.line(t.second).ExceptionText, " Both 60 on 2 Capt Pair+");
    // Once the other captain loses the flag, the next run clears it.
    t.b.line(t.first).AgeMedFlags = 0;
    TwoCaptainRule(t.b.schedule());
    EXPECT_EQ(t.b.line(t.second).ExceptionText, "");
}

TEST(TwoCaptainRule, RecheckKeepsTheRuleVersionOfTheRun) {
    // A night duty followed by an early one gives the second captain a finding of the current
    // duty-time rules only; when the rule rechecks that line for a run of the previous rules,
    // the finding must not come back.
    TwoCaptains t(1, 1, [](LineBuilder& b, int second) {
        b.HoldDuty(second, 5, 1320, 1620);
        b.HoldDuty(second, 6, 360, 720);
    });
    TwoCaptainRule(t.b.schedule(), false);
    const std::string& text = t.b.line(t.second).ExceptionText;
    ASSERT_NE(text.find("Early Duty"), std::string::npos);
    ASSERT_NE(text.find("Both 60"), std::string::npos);
    TwoCaptainRule(t.b.schedule(), true);
    EXPECT_EQ(text.find("Early Duty"), std::string::npos);
    EXPECT_NE(text.find("Both 60"), std::string::npos);
}

} // namespace
} // namespace tq
