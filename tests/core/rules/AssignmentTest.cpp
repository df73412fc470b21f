#include "rules/Assignment.h"
#include "rules/TransactionHistory.h"
#include "shell/Commands.h"
#include "support/LineBuilder.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tq {
namespace {

using test::CodeSpec;
using test::LineBuilder;
using test::PairingSpec;
using test::TestWorkspace;
using test::UiEvent;

struct Month {
    explicit Month(std::uint8_t crew = kCaptains, Date first = Date::FromDmy(1, 7, 2026))
        : b(tw.schedule(), crew, first, 31) {}
    TestWorkspace tw;
    LineBuilder b;
    Workspace& ws() { return tw.ws; }
    Schedule& s() { return tw.schedule(); }
    int Pairing(int report, int tafb, std::vector<int> operates, int number = 1234) {
        PairingSpec p;
        p.number = number;
        p.report = report;
        p.tafb = tafb;
        p.operates = std::move(operates);
        return b.AddPairing(p);
    }
};

TEST(AssignPair, RefusesWhatCanNeverBeLegalBeforeAnyQuestion) {
    Month m;
    const int e = m.b.AddLine("ANNE");
    m.b.line(e).BidReserveOrLoa = 1; // would ask, but only after the refusals below
    const int p = m.Pairing(480, 600, {5, 6, 7});
    m.b.PlaceCode(e, 6, {});
    m.b.pairing(p).OperatesOn[7] = -kHeld;
    const int other = m.Pairing(480, 600, {4});
    m.b.Hold(e, other, 4);

    struct Case {
        int employee, pairing, day, result;
    } cases[] = {
        {e, p, 6, kAssignRefused},                // a code on the day
        {e, other, 4, kAssignRefused},            // a pairing on the day
        {e, p, 3, kAssignNotOperating},           // status 0
        {e, p, 7, kAssignAlreadyHeld},            // held (flagged)
        {e, p, 40, kAssignNotOperating},          // no day of the month
        {e + 1, p, 5, kAssignEmployeeOutOfRange}, // EmployeeCount, not a captain-pairings line
        {-1, p, 5, kAssignEmployeeOutOfRange},
        {e, p + 5, 5, kAssignPairingOutOfRange},
        {e, -1, 5, kAssignPairingOutOfRange},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AssignPair(m.ws(), c.employee, c.pairing, c.day), c.result) << c.employee << " " << c.day;
    EXPECT_EQ(m.tw.ui().Count(UiEvent::Kind::Question), 0);
    EXPECT_TRUE(m.s().History.Empty());
    EXPECT_FALSE(m.s().Modified);

    m.tw.ui().answers = {Answer::No};
    EXPECT_EQ(AssignPair(m.ws(), e, p, 5), kAssignBidReserveDeclined);
    EXPECT_EQ(
        m.tw.ui().Questions(),
        std::vector<std::string>{"[] Employee Bidding Reserve. Do you want to assign this pairing anyways"});
    EXPECT_EQ(m.b.line(e).DayPairing[5], kNoPairing);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], kOpen);
}

TEST(AssignPair, CaptainPairingsLineAtTheRosterEndIsAccepted) {
    Month m(kFirstOfficers);
    m.b.AddLine("FIRST");
    const int p = m.Pairing(480, 600, {5});
    TPilot& capt = m.s().Employees[1];
    capt.Name = "CAPT PAIRINGS";
    capt.EmployeeNumber = -1;
    EXPECT_EQ(AssignPair(m.ws(), 2, p, 5), kAssignEmployeeOutOfRange);
    EXPECT_EQ(AssignPair(m.ws(), 1, p, 5), kAssignDone);
    EXPECT_EQ(capt.DayPairing[5], p);
}

std::vector<std::string> ShortRestQuestion(const std::string& text) {
    if (text.empty()) return {};
    return {"[Tarvelstrand] This Assignment Provides Only " + text + ".  Do You want to Assign It Anyway"};
}

TEST(AssignPair, RestBeforeByCrewTypeAndPreviousDuty) {
    // The previous duty ends at 20:00 on day 4; the new pairing reports on day 5.
    enum Previous { PairingTo2000, DutyCodeTo2000, DayOffAt2000 };
    struct Case {
        const char* name;
        std::uint8_t crew;
        Previous previous;
        int report;
        int result;
        std::string question;
    } cases[] = {
        {"pilots 10:59", kCaptains, PairingTo2000, 419, kAssignRefused, ""},
        {"pilots 11:00", kCaptains, PairingTo2000, 420, kAssignDone, " 11:00 Crew Rest Before "},
        {"pilots 12:00", kCaptains, PairingTo2000, 480, kAssignDone, ""},
        {"attendants 10:59", kCabinCrew, PairingTo2000, 419, kAssignDone, " 10:59 Crew Rest Before "},
        {"attendants 10:00", kCabinCrew, PairingTo2000, 360, kAssignDone, " 10:00 Crew Rest Before "},
        {"attendants 9:59", kCabinCrew, PairingTo2000, 359, kAssignRefused, ""},
        {"duty code 10:59", kCaptains, DutyCodeTo2000, 419, kAssignRefused, ""},
        {"duty code 11:00", kCaptains, DutyCodeTo2000, 420, kAssignDone, " 11:00 Crew Rest Before "},
        // A day off counts from its start and never raises the question.
        {"day off 10:59", kCaptains, DayOffAt2000, 419, kAssignRefused, ""},
        {"day off 11:00", kCaptains, DayOffAt2000, 420, kAssignDone, ""},
    };
    for (const auto& c : cases) {
        Month m(c.crew);
        const int e = m.b.AddLine("ANNE");
        if (c.previous == PairingTo2000) m.b.HoldDuty(e, 4, 600, 1200);
        if (c.previous == DutyCodeTo2000) m.b.PlaceCode(e, 4, {.code = "SIM", .start = 720, .length = 480});
        if (c.previous == DayOffAt2000)
            m.b.PlaceCode(e, 4, {.code = "OF", .start = 1200, .length = 0, .duty = false});
        m.b.PlaceDayOff(e, 1); // further back: never looked at
        const int p = m.Pairing(c.report, 600, {5});
        EXPECT_EQ(AssignPair(m.ws(), e, p, 5), c.result) << c.name;
        EXPECT_EQ(m.tw.ui().Questions(), ShortRestQuestion(c.question)) << c.name;
        EXPECT_EQ(m.b.line(e).DayPairing[5], c.result == kAssignDone ? p : kNoPairing) << c.name;
    }
}

TEST(AssignPair, RestAfterAgainstTheNextCode) {
    // The pairing reports 20:00 on day 5 and is released at 10:00 on day 6; a code follows on day 6.
    struct Case {
        const char* name;
        std::uint8_t crew;
        CodeSpec code;
        int result;
        std::string question;
    } cases[] = {
        {"pilots, day off at the release",
         kCaptains,
         {.code = "OF", .start = 600, .length = 0, .duty = false},
         kAssignDone,
         " 11:00 Crew Rest After "},
        {"pilots, day off a minute before",
         kCaptains,
         {.code = "OF", .start = 599, .length = 0, .duty = false},
         kAssignRefused,
         ""},
        {"pilots, duty 11:00 after",
         kCaptains,
         {.code = "SIM", .start = 1260, .length = 60},
         kAssignDone,
         " 11:00 Crew Rest After "},
        {"pilots, duty 10:59 after",
         kCaptains,
         {.code = "SIM", .start = 1259, .length = 60},
         kAssignRefused,
         ""},
        {"attendants, day off two hours before",
         kCabinCrew,
         {.code = "OF", .start = 480, .length = 0, .duty = false},
         kAssignDone,
         " 10:00 Crew Rest After "},
        {"attendants, day off 2:01 before",
         kCabinCrew,
         {.code = "OF", .start = 479, .length = 0, .duty = false},
         kAssignRefused,
         ""},
        {"attendants, duty 10:00 after",
         kCabinCrew,
         {.code = "SIM", .start = 1200, .length = 60},
         kAssignDone,
         " 10:00 Crew Rest After "},
        {"attendants, duty 9:59 after",
         kCabinCrew,
         {.code = "SIM", .start = 1199, .length = 60},
         kAssignRefused,
         ""},
    };
    for (const auto& c : cases) {
        Month m(c.crew);
        const int e = m.b.AddLine("ANNE");
        const int p = m.Pairing(1200, 840, {5});
        m.b.PlaceCode(e, 6, c.code);
        EXPECT_EQ(AssignPair(m.ws(), e, p, 5), c.result) << c.name;
        EXPECT_EQ(m.tw.ui().Questions(), ShortRestQuestion(c.question)) << c.name;
    }
}

TEST(AssignPair, SpringChangeShortensTheRestBefore) {
    // March 2026: the clocks go forward at 02:00 on the 8th (day 7). Released 20:00 on day 6.
    struct Case {
        int report;
        int result;
        std::string question;
    } cases[] = {
        {480, kAssignDone, " 11:00 Crew Rest Before "}, // 12:00 on the clock, 11:00 of rest
        {479, kAssignRefused, ""},
        {540, kAssignDone, ""},
    };
    for (const auto& c : cases) {
        Month m(kCaptains, Date::FromDmy(1, 3, 2026));
        ASSERT_EQ(m.s().DstShift, 60);
        ASSERT_EQ(m.s().DstChangeTime, 7 * 1440 + 120);
        const int e = m.b.AddLine("ANNE");
        m.b.HoldDuty(e, 6, 600, 1200);
        const int p = m.Pairing(c.report, 600, {7});
        EXPECT_EQ(AssignPair(m.ws(), e, p, 7), c.result) << c.report;
        EXPECT_EQ(m.tw.ui().Questions(), ShortRestQuestion(c.question)) << c.report;
    }
}

TEST(AssignPair, ShortRestAnsweredNoAndLinesWithoutNumber) {
    Month m;
    const int asked = m.b.AddLine("ANNE");
    const int silent = m.b.AddLine("NO NUMBER");
    m.b.line(silent).EmployeeNumber = 0;
    for (int e : {asked, silent}) m.b.HoldDuty(e, 4, 600, 1200);
    const int p = m.Pairing(420, 600, {5}, 1111);
    const int q = m.Pairing(420, 600, {5}, 2222);

    m.tw.ui().answers = {Answer::No};
    EXPECT_EQ(AssignPair(m.ws(), asked, p, 5), kAssignRefused);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], kOpen);
    EXPECT_EQ(AssignPair(m.ws(), silent, q, 5), kAssignDone);
    EXPECT_EQ(m.tw.ui().Count(UiEvent::Kind::Question), 1);
    // The log line is written before the rest is known.
    EXPECT_EQ(m.tw.log.text, "AssignPair 1111 to ANNE on 6\nAssignPair 2222 to NO NUMBER on 6\n");
}

TEST(AssignPair, CommitKeepsSlotStatusHistoryAndViewsTogether) {
    Month m;
    for (int i = 0; i < 4; ++i) m.b.AddLine("LINE " + std::to_string(i));
    for (int i = 0; i < 12; ++i) m.Pairing(480, 600, {}, 3000 + i);
    const int p = m.Pairing(480, 600, {5}, 4321); // index 12
    m.b.pairing(p).OperatesOn[5] = -kOpen;        // crew-complement flagged
    m.ws().pick.pairing = p;

    ASSERT_EQ(AssignPair(m.ws(), 3, p, 5), kAssignDone);
    EXPECT_EQ(m.b.line(3).DayPairing[5], p);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], -kHeld);
    EXPECT_EQ(m.s().History.ToText(), "000101000500030012");
    EXPECT_TRUE(m.s().Modified);
    EXPECT_EQ(m.b.line(3).CreditTotalMinutes, 300);
    EXPECT_EQ(m.ws().pick.pairing, -1);
    EXPECT_EQ(m.ws().pick.lastPlaced, p);
    const auto& calls = m.tw.views.calls;
    for (const char* call :
         {"RepaintLine 3 0 62", "RefreshPairingsWindow", "RepaintCredit 3", "OpenTime 300 0"})
        EXPECT_NE(std::find(calls.begin(), calls.end(), call), calls.end()) << call;
    EXPECT_EQ(HistoryLines(m.s()), std::vector<std::string>{"Assign\t4321\t06/07/2026\tLINE 3"});

    EXPECT_EQ(RemovePair(m.ws(), 3, p, 5), kRemoveDone);
    EXPECT_EQ(m.b.line(3).DayPairing[5], kNoPairing);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], -kOpen);
    EXPECT_EQ(m.ws().pick.lastRemoved, p);
    EXPECT_EQ(HistoryLines(m.s()), (std::vector<std::string>{"Remove\t4321\t06/07/2026\tLINE 3",
                                                             "Assign\t4321\t06/07/2026\tLINE 3"}));
    EXPECT_NE(m.tw.log.text.find("Remove Pair 4321 from LINE 3 on 6\n"), std::string::npos);
    EXPECT_EQ(m.b.line(3).CreditTotalMinutes, 0);

    // The history keeps 201 records however many changes follow.
    for (int i = 0; i < 110; ++i) {
        ASSERT_EQ(AssignPair(m.ws(), 2, p, 5), kAssignDone);
        ASSERT_EQ(RemovePair(m.ws(), 2, p, 5), kRemoveDone);
    }
    EXPECT_EQ(m.s().History.Size(), 201u);
}

TEST(RemovePair, ResultCodes) {
    Month m;
    const int e = m.b.AddLine("ANNE");
    const int held = m.Pairing(480, 600, {5});
    m.b.Hold(e, held, 5);
    const int open = m.Pairing(480, 600, {5, 9});
    m.b.line(e).DayPairing[9] = open; // a slot that disagrees with its status
    m.b.PlaceCode(e, 7, {});
    struct Case {
        int employee, pairing, day, result;
    } cases[] = {
        {e, held, 6, kRemoveNothingHeld},
        {e, held, 7, kRemoveNothingHeld}, // a code
        {e, open, 5, kRemoveNothingHeld}, // the slot holds another pairing
        {e, open, 9, kRemoveNotHeld},
        {e + 1, held, 5, kRemoveEmployeeOutOfRange},
        {e, held + 9, 5, kRemovePairingOutOfRange},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemovePair(m.ws(), c.employee, c.pairing, c.day), c.result) << c.day;
    EXPECT_EQ(m.b.pairing(held).OperatesOn[5], kHeld);
    EXPECT_EQ(m.b.pairing(open).OperatesOn[5], kOpen);
    EXPECT_TRUE(m.s().History.Empty());
}

TEST(MovePair, MovesPutsBackOrRefusesALockedDay) {
    Month m;
    const int from = m.b.AddLine("FROM");
    const int to = m.b.AddLine("TO");
    const int busy = m.b.AddLine("BUSY");
    const int p = m.Pairing(480, 600, {5});
    m.b.Hold(from, p, 5);
    m.b.HoldDuty(busy, 5, 300, 400); // the target's day is taken

    EXPECT_EQ(MovePair(m.ws(), from, busy, 5), kAssignRefused);
    EXPECT_EQ(m.b.line(from).DayPairing[5], p);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], kHeld);
    EXPECT_TRUE(m.s().History.Empty()); // put back: as if nothing happened
    EXPECT_EQ(m.tw.ui().Count(UiEvent::Kind::Beep), 1);

    EXPECT_EQ(MovePair(m.ws(), from, to, 5), kAssignDone);
    EXPECT_EQ(m.b.line(from).DayPairing[5], kNoPairing);
    EXPECT_EQ(m.b.line(to).DayPairing[5], p);
    EXPECT_EQ(m.s().History.Size(), 2u);

    m.b.line(to).DayLocked[5] = 1;
    EXPECT_EQ(MovePair(m.ws(), to, from, 5), kAssignRefused);
    EXPECT_EQ(m.tw.ui().Messages(),
              std::vector<std::string>{"[Tarvelstrand] Can't Drag a Locked in Pairing"});
    EXPECT_EQ(m.b.line(to).DayPairing[5], p);
    EXPECT_EQ(MovePair(m.ws(), from, to, 6), kRemoveNothingHeld);
}

TEST(RemovePairByRightClick, LockedDayAsksAndCaptainPairingsLineStays) {
    Month m(kFirstOfficers);
    const int e = m.b.AddLine("ANNE");
    const int capt = m.b.AddLine("CAPT PAIRINGS");
    m.b.line(capt).EmployeeNumber = -1;
    const int p = m.Pairing(480, 600, {5}, 777);
    const int q = m.Pairing(480, 600, {5}, 778);
    m.b.Hold(e, p, 5);
    m.b.Hold(capt, q, 5);
    m.b.line(e).DayLocked[5] = 1;

    EXPECT_FALSE(RemovePairByRightClick(m.ws(), capt, 5));
    m.tw.ui().answers = {Answer::No};
    EXPECT_FALSE(RemovePairByRightClick(m.ws(), e, 5));
    EXPECT_EQ(m.b.line(e).DayLocked[5], 1);
    EXPECT_TRUE(RemovePairByRightClick(m.ws(), e, 5));
    EXPECT_EQ(
        m.tw.ui().Questions(),
        (std::vector<std::string>{"[This Pairing is Locked In] Do you want to Send it to Open anyway",
                                  "[This Pairing is Locked In] Do you want to Send it to Open anyway"}));
    EXPECT_EQ(m.b.line(e).DayLocked[5], 0);
    EXPECT_EQ(m.b.line(e).DayPairing[5], kNoPairing);
    EXPECT_EQ(m.b.pairing(p).OperatesOn[5], kOpen);
    EXPECT_EQ(m.b.line(capt).DayPairing[5], q);
    EXPECT_EQ(m.tw.log.text, "RemovePair 777 ANNE 6 RC\n");
    EXPECT_EQ(m.s().History.Front(), (TransactionRecord{0, 5, e, p}));
}

TEST(ToggleDayLock, OnlyADayWithAPairing) {
    Month m;
    const int e = m.b.AddLine("ANNE");
    m.b.HoldDuty(e, 5, 480, 900);
    m.b.PlaceCode(e, 6, {});
    EXPECT_FALSE(ToggleDayLock(m.ws(), e, 6));
    EXPECT_FALSE(m.s().Modified);
    EXPECT_TRUE(ToggleDayLock(m.ws(), e, 5));
    EXPECT_EQ(m.b.line(e).DayLocked[5], 1);
    EXPECT_TRUE(m.s().Modified);
    EXPECT_TRUE(ToggleDayLock(m.ws(), e, 5));
    EXPECT_EQ(m.b.line(e).DayLocked[5], 0);
}

TEST(AssignPair, FrenchPairingAsksAboutTheJuniorOrTheSenior) {
    Month m(kCabinCrew);
    const int senior = m.b.AddLine("SENIOR");
    const int middle = m.b.AddLine("MIDDLE");
    const int junior = m.b.AddLine("JUNIOR");
    PairingSpec spec;
    spec.text = "FRENCH PAIRING";
    spec.operates = {5};
    spec.crewPosition = "PU";
    const int pu = m.b.AddPairing(spec);
    spec.crewPosition = "FA";
    const int fa = m.b.AddPairing(spec);
    m.b.Hold(middle, fa, 5);

    m.tw.ui().answers = {Answer::No, Answer::No};
    EXPECT_EQ(AssignPair(m.ws(), junior, pu, 5), kAssignRefused);
    EXPECT_EQ(AssignPair(m.ws(), senior, pu, 5), kAssignRefused);
    EXPECT_EQ(
        m.tw.ui().Questions(),
        (std::vector<std::string>{
            "[Tarvelstrand] Employee JUNIOR is not French Qualified and is the Junior Cabin Member. One "
            "Cabin Member must be French for this pairing. Do you want to assign it anyway",
            "[Tarvelstrand] Employee SENIOR is not French Qualified and is Senior to MIDDLE. One Cabin "
            "Member must be French for this pairing. Do you want to assign it anyway"}));

    // A French-qualified seat holder lets anyone take the other seat.
    m.b.line(middle).AgeMedFlags = 1;
    EXPECT_EQ(AssignPair(m.ws(), junior, pu, 5), kAssignDone);
    EXPECT_EQ(m.tw.ui().Count(UiEvent::Kind::Question), 2);
    EXPECT_TRUE(m.b.line(middle).RecheckDone); // marked by the check, checked again by the commit
}

TEST(Undo, LeavesNoTraceOrDropsARefusedRecord) {
    Month m;
    const int a = m.b.AddLine("ANNE");
    const int b = m.b.AddLine("BERT");
    const int p = m.Pairing(480, 600, {5});
    EXPECT_FALSE(Undo(m.ws()));
    EXPECT_EQ(m.tw.ui().Count(UiEvent::Kind::Beep), 1);

    ASSERT_EQ(AssignPair(m.ws(), a, p, 5), kAssignDone);
    ASSERT_EQ(AssignPair(m.ws(), b, m.Pairing(480, 600, {9}), 9), kAssignDone);
    EXPECT_TRUE(Undo(m.ws()));
    EXPECT_EQ(m.b.line(b).DayPairing[9], kNoPairing);
    ASSERT_EQ(m.s().History.Size(), 1u);
    EXPECT_EQ(m.s().History.Front(), (TransactionRecord{1, 5, a, p}));

    // A removal whose re-assignment is refused now: BERT took the pairing meanwhile.
    ASSERT_EQ(RemovePair(m.ws(), a, p, 5), kRemoveDone);
    ASSERT_EQ(AssignPair(m.ws(), b, p, 5), kAssignDone);
    m.s().History.DropFront(); // as if BERT's came without a record (an import)
    EXPECT_TRUE(Undo(m.ws()));
    EXPECT_EQ(m.tw.ui().Messages(),
              std::vector<std::string>{"[Tarvelstrand] Unable to UNDO that Transaction"});
    EXPECT_EQ(m.b.line(a).DayPairing[5], kNoPairing);
    EXPECT_EQ(m.b.line(b).DayPairing[5], p);
    ASSERT_EQ(m.s().History.Size(), 1u);
    EXPECT_EQ(m.s().History.Front(), (TransactionRecord{1, 5, a, p}));
    EXPECT_NE(m.tw.log.text.find("Undo\n"), std::string::npos);
}

TEST(Undo, HistoryAndUndoCommandsAreBound) {
    Month m;
    const int a = m.b.AddLine("ANNE");
    const int p = m.Pairing(480, 600, {5}, 55);
    ASSERT_EQ(AssignPair(m.ws(), a, p, 5), kAssignDone);
    ASSERT_TRUE(RunCommand(m.ws(), kCmdHistory));
    EXPECT_EQ(m.tw.views.historyLines, std::vector<std::string>{"Assign\t55\t06/07/2026\tANNE"});
    ASSERT_TRUE(RunCommand(m.ws(), kCmdUndo));
    EXPECT_EQ(m.b.line(a).DayPairing[5], kNoPairing);
    EXPECT_TRUE(m.s().History.Empty());
}

} // namespace
} // namespace tq
