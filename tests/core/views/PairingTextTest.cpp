#include "views/PairingText.h"

#include "imports/PairingFile.h"
#include "support/PrgFixtures.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tq {
namespace {

using prg::Ymd;

std::string HeaderPiece(const prg::Pairing& p, int dutyStart) {
    TPair pairing;
    pairing.DutyStartTime = dutyStart;
    const std::string line = prg::HeaderLine(p, p.dates.front());
    PrgRecord r(line);
    AppendHeaderText(pairing, r);
    return pairing.PairingText;
}

TEST(PairingText, ExactTextOfAThreeDayPairingWithLayovers) {
    test::TestWorkspace t;
    Schedule& s = t.schedule();
    ASSERT_TRUE(s.SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026)));
    s.FileKey = "YYZDH8CAZ";
    std::istringstream in(prg::PrgFile().Add(test::ThreeDayLayoverTrip()).Text());
    ASSERT_TRUE(LoadPairingInput(t.ws, in, in.str().size(), "", false));

    const std::string expected =
        "    Z8123   BSE REPT:07:00L   OPERATES - JUL.6-JUL.27 MON\n"
        "    CA01FO01" +
        std::string(24, ' ') +
        "EXCEPT JUL.20  \n"
        " \n"
        "  1     456   YYZ-YUL   08:00 09:15   1:15\n"
        "  1    1457   YUL-YHZ   10:20 12:15   1:55  3:10   5:30   3:20   5:45  YHZ 18:00\n"
        "    REPT: 07:00 D-END: 12:45 LORD NELSON HOTEL" +
        std::string(22, ' ') +
        "\n"
        "  2     460   YHZ-BOS   07:45 09:15   1:30  1:30   4:00   1:35   3:00  BOS 20:00\n"
        "    REPT: 06:45 D-END: 09:45 HARBOUR HOTEL" +
        std::string(26, ' ') +
        "\n"
        "  3     461   BOS-YYZ   06:45 08:45   2:00\n"
        "  3 DHXY 789  YYZ-YOW   10:00 11:00" +
        std::string(9, ' ') +
        "CNX\n"
        "  3     LIM   YOW-YYZ   11:30 12:30" +
        std::string(14, ' ') +
        "2:00   5:00   2:10   7:15 \n"
        "    REPT: 05:45 D-END: 13:00\n"
        "   TOTALS  TAFB 54:00   BLOCK  6:40   CREDIT 14:30   FAT UNITS: 21:00   DUTY: 16:00 \n";
    ASSERT_EQ(s.LastPairingIndex, 0); // the captain's seat of a captains' schedule
    // The segment leaving Boston marks the pairing once the load has scanned for USA segments.
    EXPECT_EQ(s.Pairings[0].PairingText, expected + "   USA SEGMENT ");
    EXPECT_EQ(PairingTextLineCount(expected), 13);
    // Legal again after the minimum rest, or 12 hours for flight attendants.
    EXPECT_EQ(PairingTextCaption(s.Pairings[0], false),
              "ON 07:00 OFF 13:00 CREDIT 14:30 LEGAL AT 24:00 Type CA Fat Unit 21:00 Duty 16:00");
    EXPECT_EQ(PairingTextCaption(s.Pairings[0], true),
              "ON 07:00 OFF 13:00 CREDIT 14:30 LEGAL AT 01:00 Type CA Fat Unit 21:00 Duty 16:00");
}

TEST(PairingText, OperatingDaysNameTheFewerKind) {
    struct Case {
        const char* flags;
        const char* days;
    } cases[] = {
        {"YYYYYNN", "EXCEPT SAT SUN"}, {"NNYNNNN", "WED"},    {"YYYYNNN", "EXCEPT FRI SAT SUN"},
        {"YYYNNNN", "MON TUE WED"},    {"YYYYYYY", "EXCEPT"}, {"NNNNNNN", "OPERATES - JAN.0-JAN.0"},
    };
    for (const auto& c : cases) {
        prg::Pairing p = test::DayTrip(8001, {2026, 1, 0});
        p.weekdays = c.flags;
        p.periodFrom = p.periodTo = {2026, 1, 0};
        const std::string text = HeaderPiece(p, 480);
        const std::string first = text.substr(0, text.find('\n'));
        EXPECT_EQ(first.substr(first.size() - std::string(c.days).size()), c.days) << c.flags;
    }
}

TEST(PairingText, HeaderListsComplementAndExceptedDatesThenAnAlmostEmptyLine) {
    prg::Pairing p = test::DayTrip(8001, {2026, 7, 1}, 480, "PU01FA02");
    p.exceptDates = {{{7, 4}, {0, 0}, {8, 1}, {0, 0}}};
    const std::string text = HeaderPiece(p, 0);
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              "    PU01FA02" + std::string(24, ' ') + "EXCEPT JUL.04 AUG.01  \n \n");
    EXPECT_NE(text.find("BSE REPT:00:00L"), std::string::npos);
}

TEST(PairingText, LegsShowTheirPairingDayFlightAndDeadheadMark) {
    const prg::Pairing p = test::DayTrip(8001, {2026, 7, 30});
    struct Case {
        prg::Leg leg;
        const char* text;
    } cases[] = {
        {{.day = 3, .flight = 456, .from = "YYZ", .to = "YUL", .departs = 5, .arrives = 1439, .block = 605},
         "  3     456   YYZ-YUL   00:05 23:59  10:05\n"},
        {{.day = 1,
          .flight = 7890,
          .from = "YUL",
          .to = "JFK",
          .departs = 600,
          .arrives = 700,
          .block = 60,
          .deadhead = true},
         "  1  DH7890   YUL-JFK   10:00 11:40   1:00\n"},
    };
    for (const auto& c : cases) {
        TPair pairing;
        const std::string line = prg::LegLine(p, {2026, 7, 30}, c.leg); // day 3 is 1 August
        PrgRecord r(line);
        AppendLegText(pairing, r);
        EXPECT_EQ(pairing.PairingText, c.text);
        EXPECT_FALSE(r.Failed());
    }
}

TEST(PairingText, DutyAwayFromBaseWithoutDutyTimeShowsCrewOnDuty) {
    const prg::Pairing p = test::DayTrip(8001, {2026, 7, 1});
    TPair pairing;
    pairing.PairingText = "leg\n";
    const std::string line = prg::DutyLine(
        p, {2026, 7, 1},
        {.start = 600, .end = 700, .duty = 0, .rest = 600, .station = "YUL", .remarks = "STANDBY"});
    PrgRecord r(line);
    AppendDutyText(pairing, r);
    EXPECT_EQ(pairing.PairingText,
              "leg  0:00   0:00   0:00   0:00 \n     CREW ON DUTY STANDBY" + std::string(32, ' ') + "\n");
}

TEST(PairingText, ARecordTooShortForATextFieldIsMarkedFailed) {
    const prg::Pairing p = test::DayTrip(8001, {2026, 7, 1});
    TPair pairing;
    std::string line = prg::DeadheadLine(p, {2026, 7, 1}, prg::Deadhead{.from = "YYZ", .to = "YUL"});
    line.resize(83); // the deadhead's code starts in column 84
    PrgRecord r(line);
    AppendDeadheadText(pairing, r);
    EXPECT_TRUE(r.Failed());

    line.resize(84);
    PrgRecord enough(line);
    AppendDeadheadText(pairing, enough);
    EXPECT_FALSE(enough.Failed());
}

} // namespace
} // namespace tq
