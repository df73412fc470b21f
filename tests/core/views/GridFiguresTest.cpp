#include "views/GridFigures.h"
#include "support/LineBuilder.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::LineBuilder;
using test::PairingSpec;

TEST(ComputeDailyBalance, FreeCrewDaysLessOpenPairingDays) {
    LineBuilder b;
    b.schedule().MinBlockCredit = 4500;
    b.schedule().MaxBlockCredit = 4800;
    // An open two-day pairing on day 3, and one held on day 10.
    PairingSpec open;
    open.report = 480;
    open.tafb = 1440 + 480;
    open.operates = {3};
    b.AddPairing(open);

    // Needs work, may report from day 2 (checked in after 14:00 on day 1): its empty days from
    // day 2 count, not its pairing, code or requested days.
    const int needs = b.AddLine("NEEDS");
    b.line(needs).LegalCheckIn = 1440 + 841;
    PairingSpec held = open;
    held.operates = {10};
    b.Hold(needs, b.AddPairing(held), 10);
    b.PlaceDayOff(needs, 12);
    b.line(needs).DayOffRequest[13] = 1;
    // Exactly at the maximum: not strictly inside the limits, so its days count too.
    const int full = b.AddLine("FULL");
    b.line(full).CreditTotalMinutes = 4800;
    // Inside the limits, a reserve line and a captain-pairings line: not counted.
    const int done = b.AddLine("DONE");
    b.line(done).CreditTotalMinutes = 4620;
    b.line(b.AddLine("RESERVE")).BidReserveOrLoa = 1;
    b.line(b.AddLine("CAPT PAIRINGS")).EmployeeNumber = -1;

    const DailyBalance balance = ComputeDailyBalance(b.schedule());
    std::vector<int> expected(kLineDays, 0);
    for (int d = 0; d < 31; ++d) expected[static_cast<std::size_t>(d)] = 1; // FULL
    for (int d = 2; d < 31; ++d)
        if (d < 10 || d > 13) ++expected[static_cast<std::size_t>(d)]; // NEEDS
    --expected[3];
    --expected[4];
    EXPECT_EQ(std::vector<int>(balance.begin(), balance.end()), expected);
}

TEST(DaysOffRequirementMet, AgainstTheMonthsDaysOffAndProratedForLeave) {
    struct Case {
        int worked, leave, dutyFree, minOverride, timeBankCode;
        bool met;
    } cases[] = {
        {19, 0, 0, 0, 0, true},   {20, 0, 0, 0, 0, false},   // 12 days off needed
        {12, 10, 0, 0, 0, true},  {13, 10, 0, 0, 0, false},  // 10 days LOA: 10 + 8.12 -> 19
        {21, 0, 0, 10, 0, true},                             // the line's own minimum
        {17, 0, 0, 0, 540, true}, {19, 0, 0, 0, 540, false}, // two more for 9:00 of time bank
        {18, 0, 2, 0, 0, true},   {19, 0, 2, 0, 0, false},   // two days free of duty: one less needed
    };
    for (const auto& c : cases) {
        LineBuilder b;
        b.schedule().DaysOffBlockHolder = 12;
        const int e = b.AddLine();
        b.line(e).MinDaysOffOverride = c.minOverride;
        b.line(e).TimeBankCodeCredit = c.timeBankCode;
        int day = 0;
        for (int i = 0; i < c.leave; ++i) b.PlaceDayOff(e, day++, "LOA");
        for (int i = 0; i < c.dutyFree; ++i) b.PlaceDayOff(e, day++, "DFD");
        for (int i = 0; i < c.worked; ++i) b.HoldDuty(e, day++, 480, 1080);
        EXPECT_EQ(DaysOffRequirementMet(b.schedule(), e), c.met)
            << c.worked << " " << c.leave << " " << c.dutyFree << " " << c.minOverride << " "
            << c.timeBankCode;
    }
}

} // namespace
} // namespace tq
