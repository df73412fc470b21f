#include "rules/LineChecks.h"

#include "rules/CabinRules.h"
#include "rules/DutyTimeRules.h"
#include "rules/PilotRules.h"
#include "shell/Workspace.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool ValidLineIndex(const Schedule& schedule, int employee) {
    return employee >= 0 && employee < static_cast<int>(schedule.Employees.size());
}

bool Is65(int flags) {
    return flags == 1 || flags == 3;
}
bool IsMedical(int flags) {
    return flags == 2 || flags == 3;
}
} // namespace

void CheckEmployeeLine(Schedule& schedule, int employee, bool oldDutyRules) {
    if (!ValidLineIndex(schedule, employee)) return;
    TPilot& line = schedule.Employees[At(employee)];
    if (line.EmployeeNumber == -1) return;

    line.ExceptionText.clear();
    line.DutyRuleText.clear();
    line.WarningText.clear();
    line.DayException.fill(0);
    line.DayWarning.fill(0);
    RebuildDailyHard(schedule, line);

    if (schedule.CrewType == kCabinCrew) {
        CabinRestRule(schedule, line);
        CabinConsecutiveDaysRule(schedule, line);
        FrenchPairingRule(schedule, employee);
        FamiliarisationRule(schedule, line);
        RbGroupingRule(schedule, line);
        return;
    }
    PilotRestRule(schedule, line);
    FatigueRule(schedule, line);
    HardTime28DayRule(schedule, line);
    HardTime90DayRule(schedule, line);
    TwelveHourDutyRule(schedule, line);
    DutyTimeRules(schedule, line, oldDutyRules);
    Duty192HourRule(schedule, line);
    PilotConsecutiveDaysRule(schedule, line);
    ReserveMixRule(schedule, line);
    if (line.SpecialQual == 3) CheckPilotCreditRule(schedule, line);
    if (line.NoTz == 1) AirportQualificationRule(schedule, line, "YTZ");
    if (line.NoYcg == 1) AirportQualificationRule(schedule, line, "YCG");
    if (line.AgeMedFlags == 1 || line.AgeMedFlags == 3) UsaRule(schedule, line);
}

void CheckEmployeeLine(Workspace& workspace, int employee, bool oldDutyRules) {
    CheckEmployeeLine(workspace.schedule, employee, oldDutyRules);
    if (ValidLineIndex(workspace.schedule, employee)) workspace.views.RepaintLine(employee, 0, kLineDays);
}

void CheckAllLines(Schedule& schedule, bool oldDutyRules) {
    for (int e = 0; e < schedule.EmployeeCount && ValidLineIndex(schedule, e); ++e)
        CheckEmployeeLine(schedule, e, oldDutyRules);
}

int RecheckMarkedLines(Schedule& schedule) {
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    std::array<bool, kEmployeeSlots> marked{};
    for (int e = 0; e < lines; ++e) {
        marked[At(e)] = !schedule.Employees[At(e)].RecheckDone;
        schedule.Employees[At(e)].RecheckDone = true;
    }
    int checked = 0;
    for (int e = 0; e < lines; ++e) {
        if (!marked[At(e)]) continue;
        CheckEmployeeLine(schedule, e, false);
        ++checked;
    }
    // These checks mark each other's holders in turn; nothing changed between them, so every
    // line is now up to date.
    for (int e = 0; e < lines; ++e) schedule.Employees[At(e)].RecheckDone = true;
    return checked;
}

void TwoCaptainRule(Schedule& schedule, bool oldDutyRules) {
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    for (int e = 0; e < lines; ++e) {
        const std::string& text = schedule.Employees[At(e)].ExceptionText;
        if (text.find("Both 60") != std::string::npos || text.find("Both MED") != std::string::npos)
            CheckEmployeeLine(schedule, e, oldDutyRules);
    }
    const int lastLoaded = std::min(schedule.LastLoadedPairingIndex, schedule.LastPairingIndex);
    for (int e = 0; e < lines; ++e) {
        TPilot& line = schedule.Employees[At(e)];
        if (line.AgeMedFlags == 0) continue;
        for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
            const int copy = line.DayPairing[At(d)];
            if (!schedule.ValidPairingIndex(copy) || copy <= schedule.LastLoadedPairingIndex) continue;
            // The captain holding the loaded seat of the same pairing that day.
            const int number = schedule.Pairings[At(copy)].PairingNumber;
            int other = -1;
            for (int q = 0; q <= lastLoaded; ++q) {
                if (schedule.Pairings[At(q)].PairingNumber != number) continue;
                for (int h = 0; h < lines; ++h)
                    if (schedule.Employees[At(h)].DayPairing[At(d)] == q) other = h;
            }
            if (other < 0) continue;
            const int a = line.AgeMedFlags, b = schedule.Employees[At(other)].AgeMedFlags;
            const char* both = nullptr;
            if (Is65(a) && Is65(b)) both = " Both 60 on 2 Capt Pair+";
            if (IsMedical(a) && IsMedical(b)) both = " Both MED on 2 Capt Pair+";
            if (both) line.ExceptionText.append(both);
        }
    }
}

} // namespace tq
