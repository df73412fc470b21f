#include "rules/CabinRules.h"

#include "rules/FrenchCabinCheck.h"
#include "rules/LineDays.h"
#include "rules/RuleText.h"

#include <algorithm>

namespace tq {

namespace {

constexpr int kCabinRest = 720;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool Contains(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

} // namespace

void CabinRestRule(const Schedule& schedule, TPilot& line) {
    MarkedDays exceptions;
    // An evening report of more than eight hours away at the end of the previous month, with
    // nothing credited on day 0, was an overnight duty.
    bool overnightBefore = line.PriorDay[30][kPriorStart] > 1080 && line.PriorDay[30][kPriorTafb] > 480 &&
                           line.PriorDay[31][kPriorCredit] == 0;
    int earliest = line.LegalCheckIn;
    int report = 0;
    const int lastDay = std::min(schedule.DaysInMonth + 30, kLineDays - 1);
    for (int d = 0; d <= lastDay; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        const int base = d * kMinutesPerDay;
        if (day.IsPairing()) {
            const TPair& p = *day.pairing;
            report = AdjustReportForDst(schedule, report, base + p.DutyStartTime);
            if (p.OvernightDuty) {
                // Two overnight duties in a row: the second may report two hours sooner.
                if (overnightBefore) earliest -= 120;
                overnightBefore = true;
            } else {
                overnightBefore = false;
            }
            if (report < earliest) exceptions.Mark(d);
            earliest = base + p.DutyStartTime + p.Tafb + kCabinRest;
        } else if (day.IsDutyCode()) {
            report = AdjustReportForDst(schedule, report, base + day.start);
            overnightBefore = false;
            if (report < earliest && !day.reserve) exceptions.Mark(d);
            earliest = base + day.start + day.length + kCabinRest;
        } else if (day.IsCode()) {
            report = base + day.start + kCabinRest;
            overnightBefore = false;
            if (report < earliest && !day.reserve) exceptions.Mark(d);
            earliest = base + day.start + day.length;
        }
    }
    FlagDays(line.DayException, exceptions);
    // Only the month's own days are listed.
    MarkedDays listed;
    for (int d = 0; d < schedule.DaysInMonth; ++d)
        if (exceptions.IsMarked(d)) listed.Mark(d);
    AppendDayMessage(line.ExceptionText, " Rest ", listed, schedule, "");
}

void CabinConsecutiveDaysRule(const Schedule& schedule, TPilot& line) {
    const bool reserveLine = IsReserveLine(line);
    int onCount = 0;
    for (int t = 30; t >= 25 && line.PriorDay[At(t)][kPriorWorked] != 0; --t) ++onCount;
    int offCount = -1;
    for (int t = 30; t >= 0 && line.PriorDay[At(t)][kPriorWorked] == 0; --t) ++offCount;

    std::array<std::uint8_t, kLineDays> worked{};
    for (int d = 0; d <= 4; ++d) worked[At(d)] = line.PriorDay[At(d + kPriorWindowOffset)][kPriorWorked] != 0;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) {
            const int days = PairingWorkedDays(*day.pairing);
            for (int k = 0; k < days && d + k < kLineDays; ++k) worked[At(d + k)] = 1;
        } else if (day.IsDutyCode()) {
            worked[At(d)] = 1;
        }
    }

    MarkedDays warnings;
    for (int d = 0; d < kLineDays; ++d) {
        if (!worked[At(d)]) {
            onCount = 0;
            ++offCount;
            continue;
        }
        // A reserve line needs more than one day off between its runs.
        if (reserveLine && offCount == 0) {
            warnings.Mark(d);
            onCount = 0;
        }
        ++onCount;
        if (reserveLine && onCount > 5) {
            warnings.Mark(d);
            onCount = 0;
        } else if (onCount > 6) {
            warnings.Mark(d);
            onCount = 0;
            // A single day off after the run is flagged too.
            int free = d + 1;
            while (free < kLineDays && worked[At(free)]) ++free;
            if (free + 1 < kLineDays && worked[At(free + 1)]) warnings.Mark(free);
        }
        offCount = -1;
    }
    AppendDayMessage(line.WarningText, "Con Days On/Off", warnings, schedule, " C/Out.");
    FlagDays(line.DayWarning, warnings);
}

void FrenchPairingRule(Schedule& schedule, int employee) {
    TPilot& line = schedule.Employees[At(employee)];
    MarkedDays exceptions;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        // Only a French pairing can fail, and only its seats depend on this line.
        if (!day.IsPairing() || !Contains(day.pairing->PairingText, "FRENCH PAIRING")) continue;
        const FrenchCabinResult result = FrenchCabinCheck(schedule, employee, day.pairingIndex, d);
        if (!result.passed && result.quoted == employee) exceptions.Mark(d);
    }
    AppendDayMessage(line.ExceptionText, " French Pair ", exceptions, schedule, "");
    FlagDays(line.DayException, exceptions);
}

void FamiliarisationRule(const Schedule& schedule, TPilot& line) {
    if (line.SpecialQual != 2) return;
    MarkedDays warnings;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing() && Contains(day.pairing->PairingText, "EXTRA FA ON")) warnings.Mark(d);
    }
    AppendDayMessage(line.WarningText, "Fam Pairing in Block on", warnings, schedule, "");
    FlagDays(line.DayWarning, warnings);
}

void RbGroupingRule(const Schedule& schedule, TPilot& line) {
    std::array<std::uint8_t, kTimelineDays> worked{}, rb{};
    for (int t = 0; t <= 35; ++t) worked[At(t)] = line.PriorDay[At(t)][kPriorWorked] != 0;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        const int t = d + kPriorWindowOffset;
        if (day.IsPairing()) {
            const int days = PairingWorkedDays(*day.pairing);
            for (int k = 0; k < days && t + k < kTimelineDays; ++k) worked[At(t + k)] = 1;
        } else if (day.IsDutyCode()) {
            worked[At(t)] = 1;
            if (day.start + day.length > 1560) worked[At(t + 1)] = 1;
        }
    }
    for (int t = 0; t < kPriorWindowOffset; ++t) {
        const std::string& code = line.PriorDayCode[At(t)];
        if (code == "RB " || code == "RSB") {
            rb[At(t)] = 1;
            worked[At(t + 1)] = 1;
        }
    }
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d)
        if (line.DayText[At(d)] == "RB") rb[At(d + kPriorWindowOffset)] = 1;

    const int last = std::min(schedule.DaysInMonth + 30, kTimelineDays - 2);
    auto inMonth = [&](int t) {
        return t >= kPriorWindowOffset && t - kPriorWindowOffset < schedule.DaysInMonth;
    };
    MarkedDays exceptions;
    const bool reducedBlock = line.MaxBlockOverride >= 1 && line.MaxBlockOverride <= 4200;
    if (reducedBlock) {
        // A reduced block takes its RB days in twos: a single RB day flags the day after it.
        for (int t = 20; t <= last; ++t)
            if (rb[At(t - 1)] && !rb[At(t - 2)] && !rb[At(t)] && inMonth(t))
                exceptions.Mark(t - kPriorWindowOffset);
        AppendDayMessage(line.ExceptionText, " RB Days Must be Grouped in 2s for Reduced Block on ",
                         exceptions, schedule, "");
        FlagDays(line.DayException, exceptions);
        return;
    }

    bool lastMonth = false;
    for (int t = 15; t <= last; ++t) {
        if (!rb[At(t)] || rb[At(t - 1)] || rb[At(t + 1)]) continue;
        bool marked = false;
        for (const int step : {-1, 1}) {
            int free = 0;
            for (int p = t + step; step < 0 ? p >= 1 : p <= last; p += step) {
                if (worked[At(p)]) {
                    // Work after exactly one day off leaves the single RB day without two days off.
                    if (free == 1) marked = true;
                    free = 0;
                } else if (++free == 2) {
                    break;
                }
            }
        }
        if (!marked) continue;
        if (t < kPriorWindowOffset)
            lastMonth = true;
        else
            exceptions.Mark(t - kPriorWindowOffset);
    }
    if (!lastMonth && !exceptions.any) return;
    std::string& text = line.ExceptionText;
    text.append(" Must Have 2 Days Off before and after RB periods on");
    if (lastMonth) text.append(" Last Month");
    for (int d = 0; d < schedule.DaysInMonth; ++d) {
        if (!exceptions.IsMarked(d)) continue;
        text.push_back(' ');
        AppendInt(text, DayOfMonth(schedule, d));
    }
    text.push_back('+');
    FlagDays(line.DayException, exceptions);
}

} // namespace tq
