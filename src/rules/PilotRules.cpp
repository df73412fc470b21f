#include "rules/PilotRules.h"

#include "rules/LineDays.h"
#include "rules/PairingReport.h"
#include "rules/RuleText.h"

#include <algorithm>

namespace tq {

namespace {

constexpr int kRest = 660;
constexpr int kRestWarning = 720;

bool Contains(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// Hard time of one day of a rolling sum: days before the month from the previous-month source,
// the first `overlapDays` month days from both the window and the month, later days from the month.
template <class Before>
int HardOfDay(const Schedule& schedule, const TPilot& line, int day, int overlapDays, Before before) {
    if (day < 0) return before(day);
    int hard = schedule.DailyHard[At(day)];
    if (day < overlapDays) hard += line.PriorDay[At(day + kPriorWindowOffset)][kPriorHard];
    return hard;
}

} // namespace

void RebuildDailyHard(Schedule& schedule, const TPilot& line) {
    schedule.DailyHard.fill(0);
    for (int d = 0; d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) {
            for (int k = 0; k < PairingDays(*day.pairing) && d + k < kLineDays; ++k)
                schedule.DailyHard[At(d + k)] += day.pairing->DailyHardTime[At(k)];
        } else if (day.IsCode()) {
            schedule.DailyHard[At(d)] += day.hard;
        }
    }
}

void PilotRestRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions, warnings;
    int earliest = line.LegalCheckIn; // L
    int report = 0;                   // R
    int rest = kRest, warnRest = kRestWarning;
    int lastRest = kRest; // Q
    const int lastDay = std::min(schedule.DaysInMonth + 30, kLineDays - 1);
    for (int d = 0; d <= lastDay; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        const int base = d * kMinutesPerDay;
        if (day.IsPairing()) {
            const TPair& p = *day.pairing;
            report = AdjustReportForDst(schedule, report, base + p.DutyStartTime);
            if (p.MinRestAfter > kRest) {
                rest = p.MinRestAfter;
                warnRest = p.MinRestAfter + 60;
            } else {
                rest = kRest;
                warnRest = kRestWarning;
            }
            if (report < earliest)
                exceptions.Mark(d);
            else if (report < earliest + warnRest - rest)
                warnings.Mark(d);
            earliest = base + p.DutyStartTime + p.Tafb + rest;
            lastRest = rest;
        } else if (day.IsDutyCode()) {
            rest = kRest;
            warnRest = kRestWarning;
            report = AdjustReportForDst(schedule, report, base + day.start);
            if (report < earliest) {
                if (!day.reserve) exceptions.Mark(d);
                // A reserve call-out may come up to two hours inside the rest, except straight
                // after a reserve day at the end of the previous month.
                else if ((d == 0 && line.PriorDay[30][kPriorWorked] == 2) || report < earliest - 121)
                    exceptions.Mark(d);
            } else if (!day.reserve && report < earliest + warnRest - rest) {
                warnings.Mark(d);
            }
            if (day.reserve) {
                earliest = base + day.start + day.length + 539;
                lastRest = 539;
            } else {
                earliest = base + day.start + day.length + rest;
                lastRest = rest;
            }
        } else if (day.IsCode()) {
            rest = kRest;
            warnRest = kRestWarning;
            const std::string& code = line.DayCode[At(d)];
            if (code == "STT" || code == "VAC" || code == "GO" || code == "STA")
                report = base + lastRest + 120;
            else
                report = base + day.start + rest;
            if (report < earliest && !day.reserve) exceptions.Mark(d);
            earliest = base + day.start + day.length;
            lastRest = 0;
        }
    }
    // Days after the month stay in the list, marked with ">".
    auto append = [&](std::string& text, std::string_view head, const MarkedDays& days) {
        if (!days.any) return;
        text.append(head);
        for (int d = 0; d < kLineDays; ++d) {
            if (!days.IsMarked(d)) continue;
            text.push_back(' ');
            AppendInt(text, DayOfMonth(schedule, d));
            if (d >= schedule.DaysInMonth) text.push_back('>');
        }
        text.push_back('+');
    };
    append(line.ExceptionText, "Rest ", exceptions);
    append(line.WarningText, " Rest ", warnings);
    FlagDays(line.DayException, exceptions);
    FlagDays(line.DayWarning, warnings);
}

void FatigueRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions;
    std::array<std::uint8_t, kLineDays> covered{};
    int sum = line.FatigueCarriedIn;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) {
            const int days = PairingCoverDays(*day.pairing);
            for (int k = 0; k < days && d + k < kLineDays; ++k) covered[At(d + k)] = 1;
            sum += day.pairing->FatigueUnits;
        } else if (day.IsDutyCode()) {
            sum += day.length;
        } else if (day.IsCode()) {
            sum = 0;
        } else {
            if (!covered[At(d)]) sum = 0;
            continue;
        }
        if (sum > 6000) {
            exceptions.Mark(d);
            sum = 0;
        }
    }
    AppendDayMessage(line.ExceptionText, " 100 Plus Fatigue Units on", exceptions, schedule, "");
    FlagDays(line.DayException, exceptions);
}

void HardTime28DayRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions;
    auto before = [&](int day) { return line.PriorDay[At(day + kPriorWindowOffset)][kPriorHard]; };
    for (int p = 0; p <= schedule.DaysInMonth + 4; ++p) {
        int sum = 0;
        for (int q = p - 27; q <= p; ++q) sum += HardOfDay(schedule, line, q, 5, before);
        if (sum > 6720) exceptions.Mark(p);
    }
    AppendDayMessage(line.ExceptionText, " 112+ Hours Hard in 28 on", exceptions, schedule, " C/Out");
    FlagDays(line.DayException, exceptions);
}

void HardTime90DayRule(const Schedule& schedule, TPilot& line) {
    if (line.PriorHardTimeText.size() < 356) return;
    MarkedDays exceptions;
    auto before = [&](int day) { return line.PriorHardTime[At(day + kPriorHardDays)]; };
    for (int p = 0; p <= schedule.DaysInMonth + 5; ++p) {
        int sum = 0;
        for (int q = p - 89; q <= p; ++q) sum += HardOfDay(schedule, line, q, 6, before);
        if (sum > 18000) exceptions.Mark(p);
    }
    AppendDayMessage(line.ExceptionText, " 300+ Hours Hard in 90 on", exceptions, schedule, " C/Out");
    FlagDays(line.DayException, exceptions);
}

void TwelveHourDutyRule(const Schedule& schedule, TPilot& line) {
    constexpr int kPositions = 69;
    struct DutyDay {
        int start = 0, length = 0;
        bool duty = false;
    };
    std::array<DutyDay, kPositions> days{};
    std::array<std::uint8_t, kPositions> freeBefore{}; // 24 hours free before the trip starting here
    int previousEnd = 0;
    auto startTrip = [&](int t, int start, int end) {
        if (start > previousEnd + 1439) freeBefore[At(t)] = 1;
        previousEnd = end;
    };

    for (int t = 0; t <= 44; ++t) {
        const auto& prior = line.PriorDay[At(t)];
        if (prior[kPriorStart] <= 0) continue;
        const int start = t * kMinutesPerDay + prior[kPriorStart];
        startTrip(t, start, start + prior[kPriorTafb]);
        const int span = (prior[kPriorStart] + prior[kPriorTafb]) / kMinutesPerDay + 1;
        for (int k = 0; k < span && t + k < kLineDays && t + k < kPositions; ++k) {
            const auto& dayOfTrip = line.PriorDay[At(t + k)];
            if (dayOfTrip[kPriorWorked] == 1)
                days[At(t + k)] = {dayOfTrip[kPriorDutyStart], dayOfTrip[kPriorDutyLength], true};
        }
    }
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        const int t = d + kPriorWindowOffset;
        if (day.IsPairing()) {
            const TPair& p = *day.pairing;
            const int start = t * kMinutesPerDay + p.DutyStartTime;
            startTrip(t, start, start + p.Tafb);
            for (int k = 0; k < PairingDays(p) && t + k < kPositions; ++k)
                if (p.DailyHardTime[At(k)] > 0)
                    days[At(t + k)] = {p.DailyStartTime[At(k)], p.DailyDutyTime[At(k)], true};
        } else if (day.IsCode() && day.hard > 0) {
            days[At(t)] = {day.start, day.length, true};
        }
    }

    std::array<std::uint8_t, kPositions> marked{};
    bool any = false;
    int run = 0;
    int lastRelease = -kMinutesPerDay;
    for (int t = 0; t < kPositions; ++t) {
        if (freeBefore[At(t)]) run = 0;
        const DutyDay& duty = days[At(t)];
        if (duty.duty) {
            const int start = t * kMinutesPerDay + duty.start;
            if (duty.length >= 720) {
                ++run;
                lastRelease = start + duty.length;
            } else {
                if (start > lastRelease + 1439) run = 0;
                lastRelease = start + duty.length;
                // A shorter duty inside a series of long ones carries the series on.
                if (run > 2)
                    ++run;
                else
                    run = 0;
            }
        }
        if (run > 3) {
            marked[At(t)] = 1;
            any = true;
            run = 0;
        }
    }
    if (!any) return;
    std::string& text = line.ExceptionText;
    text.append(" 3+ 12 Hr Duty on");
    bool lastMonthWritten = false;
    for (int t = 0; t < kPositions; ++t) {
        if (!marked[At(t)]) continue;
        const int d = t - kPriorWindowOffset;
        if (d < 0) {
            if (!lastMonthWritten) text.append(" Last Month");
            lastMonthWritten = true;
        } else if (d < schedule.DaysInMonth) {
            text.push_back(' ');
            AppendInt(text, DayOfMonth(schedule, d));
            line.DayException[At(d)] = 1;
        } else {
            text.append(" C/O");
            line.DayException[At(d)] = 1;
            break;
        }
    }
    text.push_back('+');
}

void Duty192HourRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions;
    for (int d = 0; d <= schedule.DaysInMonth + 5; ++d)
        if (line.DutyTotals[At(d + kPriorWindowOffset)][2] > 11520) exceptions.Mark(d);
    AppendDayMessage(line.ExceptionText, " 192h+/28d On", exceptions, schedule, " C/O.");
    FlagDays(line.DayException, exceptions);
}

void PilotConsecutiveDaysRule(const Schedule& schedule, TPilot& line) {
    enum : std::uint8_t { kOff = 0, kOn = 1, kReserve = 2 };
    std::array<std::uint8_t, kTimelineDays> on{};
    for (int t = 24; t <= 37; ++t) {
        const int worked = line.PriorDay[At(t)][kPriorWorked];
        on[At(t)] = worked == 2 ? kReserve : (worked != 0 ? kOn : kOff);
    }
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        const int t = d + kPriorWindowOffset;
        if (day.IsPairing()) {
            const int days = PairingCoverDays(*day.pairing);
            for (int k = 0; k < days && t + k < kTimelineDays; ++k) on[At(t + k)] = kOn;
        } else if (day.IsCode() && day.reserve) {
            on[At(t)] = kReserve;
            if (day.start + day.length > 1560 && t + 1 < kTimelineDays) on[At(t + 1)] = kReserve;
        } else if (day.IsDutyCode()) {
            on[At(t)] = kOn;
        }
    }

    std::array<std::uint8_t, kTimelineDays> warning{}, exception{};
    const auto inMonth = [&](int t) { return t >= kPriorWindowOffset; };
    int count = 0;
    for (int t = 24; t <= 69; ++t) {
        if (on[At(t)] != kOff)
            ++count;
        else
            count = 0;
        if (count > 6) {
            warning[At(t)] = 1;
            // In the previous month the run keeps counting; from day 0 on each flagged day starts a new one.
            if (inMonth(t)) {
                line.DayWarning[At(t - kPriorWindowOffset)] = 1;
                count = 0;
            }
        }
    }
    int reserveRun = 0;
    auto working = [&](int t) { return on[At(t)] != kOff; };
    for (int t = 24; t <= 61; ++t) {
        if (on[At(t)] == kReserve)
            ++reserveRun;
        else
            reserveRun = 0;
        if (reserveRun == 5 && (working(t + 1) || working(t + 2) || working(t - 5) || working(t - 6)))
            warning[At(t + 1)] = 1;
        if (reserveRun == 6 && (working(t + 1) || working(t + 2) || working(t - 6) || working(t - 7)))
            warning[At(t + 1)] = 1;
        if (reserveRun > 7) {
            exception[At(t)] = 1;
            if (inMonth(t)) line.DayException[At(t - kPriorWindowOffset)] = 1;
            reserveRun = 0;
        }
    }

    auto append = [&](std::string& text, const std::array<std::uint8_t, kTimelineDays>& marks) {
        bool any = false;
        for (int t = 29; t < kTimelineDays && !any; ++t) any = marks[At(t)] != 0;
        if (!any) return;
        text.append(" Con Days On");
        for (int t = 29; t < kTimelineDays; ++t) {
            if (!marks[At(t)]) continue;
            if (t < kPriorWindowOffset) {
                const DayMonthYear& date = schedule.PriorDays[At(t)];
                text.append(t == 30 ? " <- " : " ");
                AppendInt(text, date.day);
                text.push_back(' ');
                text.append(Date::FromDmy(date.day, date.month, date.year).MonthName());
                text.push_back(' ');
            } else if (t - kPriorWindowOffset < schedule.DaysInMonth) {
                text.push_back(' ');
                AppendInt(text, DayOfMonth(schedule, t - kPriorWindowOffset));
            } else {
                text.append(" NextMonth.");
                break;
            }
        }
        text.push_back('+');
    };
    append(line.WarningText, warning);
    append(line.ExceptionText, exception);
}

void ReserveMixRule(const Schedule& schedule, TPilot& line) {
    enum ReserveType { kNone, kA, kB, kE };
    auto is = [](const std::string& code, std::initializer_list<std::string_view> codes) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    };
    ReserveType last = kNone;
    int gap = 0;
    const std::string& day30 = line.PriorDayCode[30];
    const std::string& day29 = line.PriorDayCode[29];
    if (is(day30, {"RB ", "RSB"}))
        last = kB;
    else if (is(day30, {"RA ", "RSA", "AR ", "LRA"}))
        last = kA;
    else if (is(day30, {"RE ", "RSE", "ER ", "LRE"}))
        last = kE;
    if (last == kNone) {
        gap = 1;
        if (is(day29, {"RB ", "RSB", "BR ", "LRB"}))
            last = kB;
        else if (is(day29, {"RA ", "RSA", "AR ", "LRA"}))
            last = kA;
        else if (is(day29, {"RE ", "RSE", "ER ", "LRE"}))
            last = kE;
    }
    if (last == kNone && is(line.PriorDayCode[28], {"RB ", "RSB", "BR ", "LRB"})) {
        last = kB;
        gap = 2;
    }

    MarkedDays exceptions;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const std::string& text = line.DayText[At(d)];
        ReserveType type = kNone;
        if (text == "RA" || text == "AR")
            type = kA;
        else if (text == "RB" || text == "BR")
            type = kB;
        else if (text == "RE" || text == "ER")
            type = kE;
        if (type == kNone) {
            ++gap;
            continue;
        }
        bool mixed = false;
        if (type == kA)
            mixed = last == kB && gap < 2;
        else if (type == kB)
            mixed = (last == kA || last == kE) && gap < 2;
        else
            mixed = (last == kA && gap == 0) || (last == kB && gap < 2);
        if (mixed) exceptions.Mark(d);
        last = type;
        gap = 0;
    }
    AppendDayMessage(line.ExceptionText, " RA RB RE Mix On", exceptions, schedule, "");
    FlagDays(line.DayException, exceptions);
}

void CheckPilotCreditRule(const Schedule& schedule, TPilot& line) {
    int credit = line.CreditCarriedIn;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) credit += CreditInsideMonth(*day.pairing, d, schedule.DaysInMonth);
    }
    if (credit <= schedule.CheckPilotMaxHours) return;
    line.ExceptionText.append("Check Pilot Pair Credit > ");
    line.ExceptionText.append(FormatTime(schedule.CheckPilotMaxHours, false, true));
    line.ExceptionText.push_back('+');
}

void AirportQualificationRule(const Schedule& schedule, TPilot& line, std::string_view airport) {
    bool first = true;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (!day.IsPairing() || !Contains(day.pairing->PairingText, airport)) continue;
        if (first) {
            line.ExceptionText.append(" Not Qualified for ");
            line.ExceptionText.append(airport);
            line.ExceptionText.append(" on");
            first = false;
        }
        // Each day is an item of its own.
        line.ExceptionText.push_back(' ');
        AppendInt(line.ExceptionText, DayOfMonth(schedule, d));
        line.ExceptionText.push_back('+');
        line.DayException[At(d)] = 1;
    }
}

void UsaRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing() && Contains(day.pairing->PairingText, "USA SEGMENT")) exceptions.Mark(d);
    }
    AppendDayMessage(line.ExceptionText, " USA Pairing on", exceptions, schedule, "");
    FlagDays(line.DayException, exceptions);
}

} // namespace tq
