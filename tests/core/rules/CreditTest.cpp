#include "rules/Credit.h"
#include "rules/CreditSummaries.h"
#include "support/LineBuilder.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::LineBuilder;
using test::PairingSpec;

// A line with every kind of credit: adjustments, a pairing with excluded credit, one running
// past the month's end, counted and uncounted codes, leave, time-bank and ALB codes.
int CreditLine(LineBuilder& b) {
    const int e = b.AddLine();
    TPilot& l = b.line(e);
    l.CreditCarriedIn = 600;
    l.DraftCredits = 60;
    l.ExtraCredits = 30;
    l.TimeBank = 10;
    l.TrainingAtHome = 120;
    l.TrainingOutsideW = true;
    const int p = b.HoldDuty(e, 2, 480, 1080, 300, 300);
    b.pairing(p).ExcludedCredit[2] = 50;
    PairingSpec last;
    last.report = 480;
    last.tafb = 1440 + 480;
    last.days = {{480, 600, 240, 200, 0}, {480, 480, 240, 900, 0}};
    last.operates = {30};
    b.Hold(e, b.AddPairing(last), 30);
    b.PlaceCode(e, 5, {.code = "SIM", .credit = 270, .notCounted = true});
    b.PlaceCode(e, 6, {.code = "LOA", .credit = 200, .duty = false});
    b.PlaceCode(e, 7, {.code = "TBB", .credit = 90, .duty = false});
    b.PlaceCode(e, 8, {.code = "ALB", .credit = 45, .duty = false});
    return e;
}

TEST(CreditTotal, NormalAndPayView) {
    struct Case {
        bool payView;
        int total; // before the leave credit
    } cases[] = {
        // 600+60+30+10, pairing 300-50, last pairing's first day 200, LOA 200, TBB 90, ALB 45
        {false, 700 + 250 + 200 + 200 + 90 + 45},
        // plus training at home 120, the excluded 50 and the uncounted 270
        {true, 700 + 120 + 300 + 200 + 270 + 200 + 90 + 45},
    };
    for (const auto& c : cases) {
        LineBuilder b;
        const int e = CreditLine(b);
        test::RecordingUi ui;
        EXPECT_EQ(CreditTotal(b.schedule(), e, c.payView, ui), c.total - 200) << c.payView;
        EXPECT_EQ(StoredCreditTotal(b.line(e)), c.total) << c.payView;
        EXPECT_EQ(b.line(e).CreditHours, c.total / 60);
        EXPECT_EQ(b.line(e).CreditMinutes, c.total % 60);
        EXPECT_EQ(b.line(e).TimeBankCodeCredit, 90);
        EXPECT_EQ(b.line(e).AlbCodeCredit, 45);
        EXPECT_TRUE(ui.events.empty());
    }
}

TEST(CreditTotal, TotalsTheFileBytesCannotHold) {
    for (const int carried : {-90, 300 * 60 + 5}) {
        LineBuilder b;
        const int e = b.AddLine();
        b.line(e).CreditCarriedIn = carried;
        test::RecordingUi ui;
        EXPECT_EQ(CreditTotal(b.schedule(), e, false, ui), carried);
        EXPECT_EQ(StoredCreditTotal(b.line(e)), carried);
    }
}

TEST(CreditTotal, TrainingAtHomeInsideTheWindowCounts) {
    LineBuilder b;
    const int e = b.AddLine();
    b.line(e).TrainingAtHome = 120;
    test::RecordingUi ui;
    EXPECT_EQ(CreditTotal(b.schedule(), e, false, ui), 120);
}

TEST(CreditTotal, APairingIndexOutOfRangeStopsTheSum) {
    LineBuilder b;
    const int e = b.AddLine();
    b.HoldDuty(e, 1, 480, 1080, 300, 300);
    b.line(e).DayPairing[3] = 2999; // no such pairing loaded
    b.HoldDuty(e, 5, 480, 1080, 300, 300);
    test::RecordingUi ui;
    EXPECT_EQ(CreditTotal(b.schedule(), e, false, ui), 300);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"[Internal Error] Pairing Number out of RANGE"});
}

TEST(CreditTotal, WorkspaceRefreshesTheCreditCellAndTheTimeBank) {
    test::TestWorkspace t;
    Schedule& s = t.schedule();
    s.SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026));
    s.EmployeeCount = 2;
    s.Employees[0].TimeBank = 100;
    s.Employees[1].TimeBank = 25;
    s.Employees[1].DayPairing[4] = kCodeOnDay;
    s.Employees[1].DayCode[4] = "TBB";
    s.Employees[1].DayDetail[4][kDetailCredit] = 60;
    CreditTotal(t.ws, 1, false);
    EXPECT_EQ(t.views.calls, (std::vector<std::string>{"RepaintCredit 1", "TimeBank TB 3:05"}));
}

TEST(TimeBankTotal, SumsEveryLineAndFormatsHoursAndMinutes) {
    LineBuilder b;
    for (int i = 0; i < 3; ++i) b.line(b.AddLine()).TimeBank = 50;
    b.line(1).TimeBankCodeCredit = 15;
    EXPECT_EQ(TimeBankTotal(b.schedule()), 165);
    EXPECT_EQ(TimeBankText(165), " TB 2:45");
    EXPECT_EQ(TimeBankText(0), " TB 0:00");
    EXPECT_EQ(TimeBankText(-90), " TB -1:-30");
}

TEST(DaysOffCount, DaysWorkedAndVacationEquivalents) {
    struct Case {
        const char* what;
        std::uint8_t crew;
        int expected;
    } cases[] = {
        // July: 31 days. Worked: day 2; days 4-5 (released 03:00, past 02:00); day 8 (released 01:00
        // on day 9: not counted); day 10 SIM over 26:01 hours (day 10, 11); day 0 worked in the
        // window. Vacation equivalents: VAC 1, VCI 480/240 = 2, VTP 636/318 = 2.
        {"pilots", kCaptains, 31 - 7 - 5},
        {"cabin crew", kCabinCrew, 31 - 7},
    };
    for (const auto& c : cases) {
        LineBuilder b(c.crew);
        const int e = b.AddLine();
        b.line(e).PriorDay[31][kPriorWorked] = 1;
        b.HoldDuty(e, 2, 480, 1080);
        b.HoldDuty(e, 4, 480, 1440 + 180);
        b.HoldDuty(e, 8, 1200, 1440 + 60);
        b.PlaceCode(e, 10, {.code = "SIM", .start = 600, .length = 1440 + 121});
        b.PlaceDayOff(e, 14, "VAC");
        b.PlaceCode(e, 15, {.code = "VCI", .start = 0, .length = 0, .credit = 480, .duty = false});
        b.PlaceCode(e, 16, {.code = "VTP", .start = 0, .length = 0, .credit = 636, .duty = false});
        b.PlaceDayOff(e, 17, "OF");
        EXPECT_EQ(DaysOffCount(b.schedule(), e), c.expected) << c.what;
    }
}

TEST(OpenTime, TotalAndOpenCreditOfTheMonth) {
    LineBuilder b;
    const int e = b.AddLine();
    PairingSpec p;
    p.credit = 300;
    p.operates = {1, 2, 3};
    const int index = b.AddPairing(p);
    b.Hold(e, index, 2);
    PairingSpec last;
    last.report = 480;
    last.tafb = 1440 + 480;
    last.days = {{480, 600, 240, 200, 0}, {480, 480, 240, 900, 0}};
    last.operates = {30};
    b.AddPairing(last);
    const OpenTimeFigures figures = ComputeOpenTime(b.schedule());
    EXPECT_EQ(figures.total, 3 * 300 + 1100);
    EXPECT_EQ(figures.open, 2 * 300 + 200);
}

TEST(LastBlockHolder, OpenCreditReachesDownTheRoster) {
    // Open credit 3 × 4650; every line needs a block of 4500-4800 (target 4650).
    LineBuilder b;
    PairingSpec p;
    p.credit = 4650;
    p.operates = {1, 2, 3};
    b.AddPairing(p);
    for (int i = 0; i < 6; ++i) b.AddLine();
    b.line(2).BidReserveOrLoa = 1;
    b.line(5).BidReserveOrLoa = 1;
    bool changed = false;
    // Lines 0, 1, 3 take the open credit; line 4 finds too little; the reserve line 2 between
    // them is passed over, the last block holder is line 3.
    EXPECT_EQ(UpdateLastBlockHolder(b.schedule(), changed), 3);
    EXPECT_TRUE(changed);
    EXPECT_EQ(b.schedule().LastBlockHolder, 3);
    std::vector<bool> below;
    for (int i = 0; i < 6; ++i) below.push_back(b.line(i).BelowLastBlockHolder);
    EXPECT_EQ(below, (std::vector<bool>{false, false, false, false, true, true}));
    UpdateLastBlockHolder(b.schedule(), changed);
    EXPECT_FALSE(changed);

    // Lines read from a file come unmarked: the marks are set also when the index stays.
    b.line(4).BelowLastBlockHolder = false;
    EXPECT_EQ(UpdateLastBlockHolder(b.schedule(), changed), 3);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(b.line(4).BelowLastBlockHolder);

    LineBuilder empty;
    EXPECT_EQ(UpdateLastBlockHolder(empty.schedule(), changed), 0);
    EXPECT_FALSE(changed);
}

} // namespace
} // namespace tq
