// The check run of one line, as every assignment and every who-is-legal candidate runs it.
#include "rules/LineChecks.h"
#include "support/LineBuilder.h"

#include <benchmark/benchmark.h>

namespace tq {
namespace {

using test::LineBuilder;
using test::PairingSpec;

// Four-day pairings of the month: 07:00 report, a 10-hour duty a day with three layovers of
// more than 11 hours, hard time 5:30 a day, a long pairing text as the imports write it.
int AddFourDayPairing(LineBuilder& b, int number, int startDay) {
    PairingSpec p;
    p.number = number;
    p.report = 420;
    p.tafb = 3 * 1440 + 600;
    p.days.assign(4, {420, 600, 330, 360, 780});
    p.operates = {startDay};
    p.fatigue = 900;
    p.text = "Z" + std::to_string(number) + " DH8 FOUR DAY YYZ-YOW-YUL-YQB-YHZ-YYZ";
    for (int i = 0; i < 12; ++i) p.text += " LEG " + std::to_string(i) + " 07:00 17:00 DH8 CREW CA FO FA FA";
    return b.AddPairing(p);
}

// A pilot line worked through the previous month (three-day trips, a reserve day) with its 89
// days of hard time, and through the month (four-day pairings, simulator and reserve days, a
// day of vacation), with the qualification rules on.
void BusyPilotLine(LineBuilder& b, int e, int firstPairing) {
    TPilot& l = b.line(e);
    l.NoTz = 1;
    l.NoYcg = 1;
    l.AgeMedFlags = 1;
    l.FatigueCarriedIn = 1200;
    for (int slot = 0; slot <= 25; slot += 5) b.PriorTrip(e, slot, 420, 2 * 1440 + 660, 600, 360);
    b.PriorCode(e, 29, "RA ", 360, 720, true);
    std::string hard;
    for (int i = 0; i < 89; ++i) hard += "0300";
    l.PriorHardTimeText = hard;
    l.ParsePriorHardTime();
    l.LegalCheckIn = 300;
    int pairing = firstPairing;
    for (int d = 1; d <= 26; d += 5) {
        b.Hold(e, pairing, d);
        b.pairing(pairing).OperatesOn[static_cast<std::size_t>(d)] = kHeld;
        ++pairing;
    }
    b.PlaceCode(
        e, 5,
        {.code = "SIM", .start = 480, .length = 480, .credit = 240, .hard = 240, .cars = true, .text = "SM"});
    b.PlaceCode(e, 10, {.code = "RA", .start = 360, .length = 720, .reserve = true, .cars = true});
    b.PlaceDayOff(e, 15, "VAC");
}

struct BusyMonth {
    LineBuilder b;
    int firstPairing = 0;
    explicit BusyMonth(int lines) {
        firstPairing = b.schedule().LastPairingIndex + 1;
        for (int d = 1; d <= 26; d += 5) AddFourDayPairing(b, 8100 + d, d);
        for (int i = 0; i < lines; ++i)
            BusyPilotLine(b, b.AddLine("PILOT " + std::to_string(i)), firstPairing);
    }
};

void BM_CheckEmployeeLine_BusyPilot(benchmark::State& state) {
    BusyMonth month(1);
    for (auto _ : state) {
        CheckEmployeeLine(month.b.schedule(), 0, false);
        benchmark::DoNotOptimize(month.b.line(0).ExceptionText.data());
    }
    state.counters["exceptionItems"] = static_cast<double>(
        std::count(month.b.line(0).ExceptionText.begin(), month.b.line(0).ExceptionText.end(), '+'));
}
BENCHMARK(BM_CheckEmployeeLine_BusyPilot)->Unit(benchmark::kMicrosecond);

// The worst case: June's last week free, then a duty every day. 60/7 fails on the seventh day,
// 70/7 takes over and every day of it reaches the 24-in-48 test, so the minute map is built.
void BM_CheckEmployeeLine_With24In48Map(benchmark::State& state) {
    LineBuilder b;
    const int e = b.AddLine("PILOT");
    for (int slot = 0; slot <= 20; slot += 4) b.PriorTrip(e, slot, 420, 1440 + 600, 600, 360);
    for (int d = 0; d < 31; ++d) b.HoldDuty(e, d, 480, 1020, 300, 300);
    CheckEmployeeLine(b.schedule(), e, false);
    if (b.line(e).DutyRuleText.find(">2448  ") == std::string::npos &&
        b.line(e).DutyRuleText.find("PASSED 70/7") == std::string::npos)
        state.SkipWithError("the line does not reach the 24-in-48 test");
    for (auto _ : state) {
        CheckEmployeeLine(b.schedule(), e, false);
        benchmark::DoNotOptimize(b.line(e).DutyRuleText.data());
    }
}
BENCHMARK(BM_CheckEmployeeLine_With24In48Map)->Unit(benchmark::kMicrosecond);

void BM_CheckAllLines_999(benchmark::State& state) {
    BusyMonth month(kMaxEmployees);
    for (auto _ : state) {
        CheckAllLines(month.b.schedule(), false);
        benchmark::DoNotOptimize(month.b.line(kMaxEmployees - 1).ExceptionText.data());
    }
}
BENCHMARK(BM_CheckAllLines_999)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tq
