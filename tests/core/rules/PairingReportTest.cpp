#include "rules/PairingReport.h"

#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TPair& AddPairing(Schedule& s, int number, int total, std::vector<int> credits, std::vector<int> hard,
                  std::vector<int> days) {
    TPair& p = s.Pairings[static_cast<std::size_t>(++s.LastPairingIndex)];
    p.PairingNumber = number;
    p.DutyStartTime = 480;
    p.DutyEndTime = 900;
    p.Tafb = 1860;
    p.LengthDays = static_cast<std::uint8_t>(credits.size());
    p.TotalCredit = total;
    for (std::size_t k = 0; k < credits.size(); ++k) p.DailyCredit[k] = credits[k];
    for (std::size_t k = 0; k < hard.size(); ++k) p.DailyHardTime[k] = hard[k];
    for (int d : days) p.OperatesOn[static_cast<std::size_t>(d)] = kOpen;
    return p;
}

TEST(PairingReport, ListsWarningsThenCreditsWithTheRunningTotal) {
    test::TestWorkspace t;
    Schedule& s = t.schedule();
    ASSERT_TRUE(s.SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026)));
    // Operates on 1 and 31 July; on the 31st only its first day falls inside the month.
    AddPairing(s, 8123, 600, {300, 300}, {200, 100}, {0, 30}).OperatesOn[0] = kHeld;
    AddPairing(s, 124, 510, {300, 200}, {60, 60}, {5});
    ShowPairingReport(t.ws);
    const auto* list = t.ui().LastOf(test::UiEvent::Kind::List);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text, "Pairing Warnings and Report");
    EXPECT_EQ(list->lines, (std::vector<std::string>{
                               "Number of Pairings 2  Average Pairing Credit per day is 4:45",
                               "",
                               "====== Pairing Warnings Report ======",
                               "",
                               "Pair 0124  Credit for each Day does not add up to Total Credit\n",
                               "",
                               "====== End of Pairing Warnings ======",
                               "",
                               "====== Begin Pairing Report ======",
                               "Pairing Report for Jul 2026 Carry Over Removed from Running Total",
                               "Pair 8123  Credit 10:00  Hard  5:00  OPER 02  Running Total 15:00",
                               "Pair 0124  Credit  8:30  Hard  2:00  OPER 01  Running Total 23:30",
                               "Total Hours including Carry Over 28:30",
                           }));
    EXPECT_EQ(s.Pairings[1].Valid, 0); // every pairing was validated
    EXPECT_EQ(s.Pairings[0].Valid, 1);
}

TEST(PairingReport, AnEmptyScheduleReportsNothingOperating) {
    test::TestWorkspace t;
    Schedule& s = t.schedule();
    ASSERT_TRUE(s.SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026)));
    AddPairing(s, 8123, 600, {600}, {}, {}); // never operates
    EXPECT_EQ(AveragePairingCreditPerDay(s), "0:00");
    const auto lines = PairingReportLines(s);
    EXPECT_EQ(lines.front(), "Number of Pairings 1  Average Pairing Credit per day is 0:00");
    EXPECT_EQ(lines[4], "Pair 8123  Never Operates ");
    EXPECT_EQ(lines.back(), "Total Hours including Carry Over 0:00");
}

TEST(PairingReport, CreditInsideTheMonthStopsAtItsEnd) {
    TPair p;
    p.LengthDays = 3;
    p.TotalCredit = 900;
    p.DailyCredit = {200, 300, 400};
    struct Case {
        int day, days, credit;
    } cases[] = {{0, 31, 900}, {28, 31, 900}, {29, 31, 500}, {30, 31, 200}, {27, 28, 200}};
    for (const auto& c : cases) EXPECT_EQ(CreditInsideMonth(p, c.day, c.days), c.credit) << c.day;
}

} // namespace
} // namespace tq
