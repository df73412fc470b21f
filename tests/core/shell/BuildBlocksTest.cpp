#include "shell/BuildBlocks.h"
#include "rules/Credit.h"
#include "support/LineBuilder.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tq {
namespace {

using test::LineBuilder;
using test::PairingSpec;
using test::UiEvent;

bool Called(const test::RecordingViews& views, const std::string& call) {
    return std::find(views.calls.begin(), views.calls.end(), call) != views.calls.end();
}

TEST(RepairAssignmentMarks, HeldMarksFollowTheLines) {
    test::TestWorkspace t;
    LineBuilder b(t.schedule());
    const int smith = b.AddLine("SMITH");
    const int jones = b.AddLine("JONES");
    PairingSpec p;
    p.operates = {2, 4, 7};
    const int index = b.AddPairing(p);
    b.Hold(smith, index, 2);
    b.pairing(index).OperatesOn[4] = kHeld;   // marked held, but nobody holds it
    b.line(jones).DayPairing[2] = index;      // a second holder of the same day
    b.line(jones).DayPairing[5] = index;      // a day it does not operate
    b.line(jones).DayPairing[7] = index;      // held properly
    b.line(smith).DayPairing[9] = -7;         // no such slot value
    b.line(smith).DayPairing[11] = index + 2; // beyond the pairings
    b.line(smith).DayPairing[12] = kCodeOnDay;

    const std::string notes = RepairAssignmentMarks(t.schedule());
    EXPECT_EQ(notes,
              "Error 100 Emp SMITH Error 100 Emp SMITH Error 101 Emp JONES Day 3Error 101 Emp JONES Day 6");
    const auto& status = b.pairing(index).OperatesOn;
    EXPECT_EQ(status[2], kHeld);
    EXPECT_EQ(status[4], kOpen);
    EXPECT_EQ(status[7], kHeld);
    EXPECT_EQ(b.line(smith).DayPairing[2], index);
    EXPECT_EQ(b.line(jones).DayPairing[2], kNoPairing);
    EXPECT_EQ(b.line(jones).DayPairing[5], kNoPairing);
    EXPECT_EQ(b.line(jones).DayPairing[7], index);
    EXPECT_EQ(b.line(smith).DayPairing[9], kNoPairing);
    EXPECT_EQ(b.line(smith).DayPairing[11], kNoPairing);
    EXPECT_EQ(b.line(smith).DayPairing[12], kCodeOnDay);
}

TEST(RepairAssignmentMarks, CrewComplementMarksKeepTheirSign) {
    test::TestWorkspace t;
    LineBuilder b(t.schedule());
    const int capt = b.AddLine("CAPT PAIRINGS");
    b.line(capt).EmployeeNumber = -1;
    PairingSpec p;
    p.operates = {3, 6};
    const int index = b.AddPairing(p);
    b.pairing(index).OperatesOn[3] = -kHeld;
    b.pairing(index).OperatesOn[6] = -kHeld;
    b.line(capt).DayPairing[3] = index;
    EXPECT_EQ(RepairAssignmentMarks(t.schedule()), "");
    EXPECT_EQ(b.pairing(index).OperatesOn[3], -kHeld);
    EXPECT_EQ(b.pairing(index).OperatesOn[6], -kOpen);
}

TEST(BuildBlocks, RepairsAndReportsTheMarks) {
    test::TestWorkspace t;
    LineBuilder b(t.schedule());
    const int smith = b.AddLine("SMITH");
    PairingSpec p;
    p.operates = {2};
    const int index = b.AddPairing(p);
    b.line(smith).DayPairing[5] = index; // pairing not operating on the 6th
    ASSERT_TRUE(BuildBlocks(t.ws, true));
    EXPECT_EQ(t.ui().Messages(),
              std::vector<std::string>{"[Tarvelstrand] Error 101 Emp SMITH Day 6 Errors Corrected OK "
                                       "to proceed"});
    EXPECT_EQ(t.ui().LastOf(UiEvent::Kind::Message)->icon, MessageIcon::Information);
    EXPECT_EQ(b.line(smith).DayPairing[5], kNoPairing);
    EXPECT_TRUE(t.schedule().Modified);
}

TEST(BuildBlocks, PreparesTheMonthAndChecksEveryLine) {
    test::TestWorkspace t;
    // November 2026 for a daylight-saving change; 30 days.
    LineBuilder b(t.schedule(), kCaptains, Date::FromDmy(1, 11, 2026), 30);
    t.schedule().DstChangeTime = 0;
    t.schedule().DstShift = 0; // as a block file leaves them: Build Blocks works them out
    const int e = b.AddLine("SMITH");
    b.HoldDuty(e, 2, 600, 1200, 300, 300);
    b.HoldDuty(e, 3, 300, 900, 300, 240); // too little rest
    b.line(e).PriorDay[30][kPriorDutyStart] = 500;
    b.line(e).PriorDay[29][kPriorDutyStart] = 400;
    b.line(e).PriorDay[29][kPriorHomeDutyStart] = 460;
    b.line(e).PriorHardTimeText = std::string(356, '0');
    b.line(e).PriorHardTime.fill(99);
    PairingSpec open;
    open.operates = {0};
    b.AddPairing(open);
    t.views.pairingsOpen = false;

    ASSERT_TRUE(BuildBlocks(t.ws, true));
    const Schedule& s = t.schedule();
    EXPECT_TRUE(s.BlocksBuilt);
    EXPECT_EQ(t.log.text, "BuildBlocksBegin\nBuildBlocksEnd\n");
    EXPECT_TRUE(t.ui().events.empty());
    EXPECT_EQ(s.DstShift, -60);
    EXPECT_EQ(s.DstChangeTime, 120);
    // The days after the month get their dates and names.
    EXPECT_EQ(s.MonthDays[30], (DayMonthYear{1, 12, 2026}));
    EXPECT_EQ(std::string(s.DayWeekday[30].data()), "TU");
    EXPECT_FALSE(s.Weekend[30]);
    // The line's credit, home-base duty starts, hard time of 89 days and findings.
    EXPECT_EQ(StoredCreditTotal(b.line(e)), 540);
    EXPECT_EQ(b.line(e).PriorDay[30][kPriorHomeDutyStart], 500);
    EXPECT_EQ(b.line(e).PriorDay[29][kPriorHomeDutyStart], 460);
    EXPECT_EQ(b.line(e).PriorHardTime[0], 0);
    EXPECT_EQ(b.line(e).ExceptionText.substr(0, 8), "Rest  4+");
    EXPECT_FALSE(b.line(e).DutyRuleText.empty());
    // The grid: scroll range, balance row, pairings window.
    EXPECT_TRUE(Called(t.views, "SetGridScrollRange 62 11"));
    EXPECT_TRUE(Called(t.views, "OpenPairingsWindow"));
    EXPECT_EQ(t.views.calls.back(), "RepaintGrid");
    EXPECT_EQ(t.ws.dailyBalance[0], -1) << "the open pairing; the line is below the last block holder";
    EXPECT_TRUE(b.line(e).BelowLastBlockHolder);
    EXPECT_TRUE(Called(t.views, "RepaintBalanceCell 0"));

    // Built already: nothing happens.
    t.views.calls.clear();
    EXPECT_TRUE(BuildBlocks(t.ws, false));
    EXPECT_TRUE(t.views.calls.empty());
}

TEST(BuildBlocks, HidesThePairingsWindowWhenAsked) {
    test::TestWorkspace t;
    LineBuilder b(t.schedule());
    b.AddLine();
    t.views.pairingsOpen = true;
    ASSERT_TRUE(BuildBlocks(t.ws, false));
    EXPECT_TRUE(Called(t.views, "ClosePairingsWindow"));
}

TEST(BuildBlocks, InvalidPairingsOfferTheEditor) {
    struct Case {
        Answer answer;
        bool fixedInTheDialog;
        bool built;
    } cases[] = {{Answer::Yes, false, false}, {Answer::No, false, true}, {Answer::Yes, true, true}};
    for (const auto& c : cases) {
        test::TestWorkspace t;
        LineBuilder b(t.schedule());
        b.AddLine();
        PairingSpec good;
        good.operates = {1};
        b.AddPairing(good);
        PairingSpec bad;
        bad.operates = {2};
        const int invalid = b.AddPairing(bad);
        b.pairing(invalid).TotalCredit += 10; // days no longer add up
        if (c.fixedInTheDialog)
            t.ui().onList = [&](std::string_view) {
                b.pairing(invalid).TotalCredit -= 10;
                b.pairing(invalid).Validate(t.schedule().DaysInMonth, t.schedule().StationTable);
            };
        t.ui().answers = {c.answer};
        EXPECT_EQ(BuildBlocks(t.ws, true), c.built);
        ASSERT_EQ(t.ui().Count(UiEvent::Kind::List), 1);
        EXPECT_EQ(t.ui().LastOf(UiEvent::Kind::List)->text, "Pairing Warnings and Report");
        EXPECT_EQ(t.ui().Questions().size(), c.fixedInTheDialog ? 0u : 1u);
        if (!c.fixedInTheDialog) {
            EXPECT_EQ(t.ui().Questions().front(),
                      "[Tarvelstrand] Not all Pairings are Valid. Do you want to edit the "
                      "pairings to correct the errors as noted.");
        }
        EXPECT_EQ(Called(t.views, "OpenPairingEditor 1"), !c.built);
        EXPECT_EQ(t.schedule().BlocksBuilt, c.built);
        EXPECT_EQ(t.log.text, c.built ? "BuildBlocksBegin\nBuildBlocksEnd\n" : "BuildBlocksBegin\n");
    }
}

TEST(BuildBlocks, TwoCaptainRuleInCaptainsFiles) {
    for (const std::uint8_t crew : {kCaptains, kFirstOfficers}) {
        test::TestWorkspace t;
        LineBuilder b(t.schedule(), crew);
        const int first = b.AddLine("FIRST");
        const int second = b.AddLine("SECOND");
        PairingSpec two;
        two.operates = {3};
        const int loaded = b.AddPairing(two);
        const int copy = b.AddCopy(loaded, 3);
        b.Hold(first, loaded, 3);
        b.Hold(second, copy, 3);
        b.line(first).AgeMedFlags = 2;
        b.line(second).AgeMedFlags = 2;
        ASSERT_TRUE(BuildBlocks(t.ws, true));
        EXPECT_EQ(b.line(second).ExceptionText, crew == kCaptains ? " Both MED on 2 Capt Pair+" : "");
    }
}

} // namespace
} // namespace tq
