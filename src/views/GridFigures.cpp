#include "views/GridFigures.h"

#include "rules/CabinRules.h"
#include "rules/Credit.h"
#include "rules/CreditSummaries.h"
#include "rules/LineDays.h"

#include <algorithm>

namespace tq {

namespace {
std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}
} // namespace

DailyBalance ComputeDailyBalance(const Schedule& schedule) {
    DailyBalance balance{};
    const int days = std::clamp(schedule.DaysInMonth, 0, kMaxMonthDays);
    const int lastPairing =
        std::min(schedule.LastPairingIndex, static_cast<int>(schedule.Pairings.size()) - 1);
    for (int p = 0; p <= lastPairing; ++p) {
        const TPair& pairing = schedule.Pairings[At(p)];
        for (int d = 0; d < days; ++d) {
            const int status = pairing.OperatesOn[At(d)];
            if (status != 1 && status != -1) continue;
            for (int c = d; c < d + pairing.LengthDays && c < kLineDays; ++c) --balance[At(c)];
        }
    }
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    for (int e = 0; e < lines; ++e) {
        const TPilot& line = schedule.Employees[At(e)];
        // Captain-pairings lines hold pairings but are nobody's days.
        if (line.EmployeeNumber == -1 || IsReserveLine(line)) continue;
        const int credit = StoredCreditTotal(line);
        if (credit > BlockMinimum(schedule, line) && credit < BlockMaximum(schedule, line)) continue;
        int day = line.LegalCheckIn / kMinutesPerDay;
        int timeOfDay = line.LegalCheckIn;
        while (timeOfDay > kMinutesPerDay) timeOfDay -= kMinutesPerDay;
        if (timeOfDay > 840) ++day;
        day = std::max(day, 0);
        while (day < days) {
            const LineDay slot = ReadLineDay(schedule, line, day);
            if (slot.IsPairing()) {
                day += std::max<int>(slot.pairing->LengthDays, 1);
                continue;
            }
            if (!slot.IsCode()) {
                const int request = line.DayOffRequest[At(day)];
                if (request < 1 || request > 51) ++balance[At(day)];
            }
            ++day;
        }
    }
    return balance;
}

bool DaysOffRequirementMet(const Schedule& schedule, int employee) {
    if (employee < 0 || employee >= static_cast<int>(schedule.Employees.size())) return false;
    const TPilot& line = schedule.Employees[At(employee)];
    const int days = std::clamp(schedule.DaysInMonth, 0, kMaxMonthDays);
    const bool cabin = schedule.CrewType == kCabinCrew;
    int leave = 0, moves = 0, dutyFree = 0, alb = 0, training = 0;
    for (int d = 0; d < days; ++d) {
        if (line.DayPairing[At(d)] != kCodeOnDay) continue;
        const std::string& code = line.DayCode[At(d)];
        if (code == "LOA" || code == "BST" || (cabin && (code == "VAC" || code == "VAU" || code == "VTP")))
            ++leave;
        else if (code == "MOV")
            ++moves;
        else if (code == "DFD")
            ++dutyFree;
        else if (code == "ALB")
            ++alb;
        else if (code == "GRW" || code == "SIW" || code == "CRW")
            ++training;
    }
    training = std::min(training, 2);
    const int required = line.MinDaysOffOverride >= 1 ? line.MinDaysOffOverride : schedule.DaysOffBlockHolder;
    int needed = required - dutyFree / 2 - training;
    if (leave > 0 && days > 0) {
        // The requirement prorated to the days not on leave, in hundredths, rounded up to a day.
        const int hundredths = (days - leave) * required * 100 / days;
        needed = leave + hundredths / 100 + (hundredths % 100 != 0 ? 1 : 0) - dutyFree / 2 - training;
    }
    return DaysOffCount(schedule, employee) - moves + alb - dutyFree >=
           needed + line.TimeBankCodeCredit / 270;
}

} // namespace tq
