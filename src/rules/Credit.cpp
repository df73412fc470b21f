#include "rules/Credit.h"

#include "platform/UserInterface.h"
#include "rules/LineDays.h"
#include "rules/PairingReport.h"
#include "shell/Workspace.h"

#include <algorithm>
#include <cstdio>

namespace tq {

namespace {
std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool ValidLineIndex(const Schedule& schedule, int employee) {
    return employee >= 0 && employee < static_cast<int>(schedule.Employees.size());
}
} // namespace

int CreditTotal(Schedule& schedule, int employee, bool payView, UserInterface& ui) {
    if (!ValidLineIndex(schedule, employee)) return 0;
    TPilot& line = schedule.Employees[At(employee)];
    int total = line.CreditCarriedIn + line.DraftCredits + line.ExtraCredits + line.TimeBank;
    if (payView || !line.TrainingOutsideW) total += line.TrainingAtHome;
    line.TimeBankCodeCredit = 0;
    line.AlbCodeCredit = 0;
    int leave = 0;
    for (int d = 0; d < schedule.DaysInMonth && d < kLineDays; ++d) {
        const int slot = line.DayPairing[At(d)];
        if (slot >= 0 && !schedule.ValidPairingIndex(slot)) {
            ui.ShowMessage("Pairing Number out of RANGE", "Internal Error", MessageIcon::Stop);
            break;
        }
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) {
            total += CreditInsideMonth(*day.pairing, d, schedule.DaysInMonth);
            if (!payView) total -= day.pairing->ExcludedCredit[At(d)];
        } else if (day.IsCode()) {
            if (payView || !day.creditNotCounted) total += day.credit;
            const std::string& code = line.DayCode[At(d)];
            if (code == "LOA" || code == "MED" || code == "MAT")
                leave += day.credit;
            else if (code == "TBB")
                line.TimeBankCodeCredit += day.credit;
            else if (code == "ALB")
                line.AlbCodeCredit += day.credit;
        }
    }
    line.CreditTotalMinutes = total;
    const int hours = total / 60;
    line.CreditHours = static_cast<std::uint8_t>(hours);
    line.CreditMinutes = static_cast<std::uint8_t>(total - 60 * hours);
    return total - leave;
}

int CreditTotal(Workspace& workspace, int employee, bool payView) {
    const int total = CreditTotal(workspace.schedule, employee, payView, workspace.Ui());
    workspace.views.RepaintCredit(employee);
    RefreshTimeBank(workspace);
    return total;
}

int TimeBankTotal(const Schedule& schedule) {
    int total = 0;
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    for (int e = 0; e < lines; ++e) {
        const TPilot& line = schedule.Employees[At(e)];
        total += line.TimeBank + line.TimeBankCodeCredit;
    }
    return total;
}

std::string TimeBankText(int total) {
    const int hours = total / 60, minutes = total % 60;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " TB %d:%02d", hours, minutes);
    return buffer;
}

void RefreshTimeBank(Workspace& workspace) {
    workspace.views.TimeBankChanged(TimeBankText(TimeBankTotal(workspace.schedule)));
}

int DaysOffCount(const Schedule& schedule, int employee) {
    if (!ValidLineIndex(schedule, employee)) return 0;
    const TPilot& line = schedule.Employees[At(employee)];
    const int days = std::clamp(schedule.DaysInMonth, 0, kMaxMonthDays);
    std::array<std::uint8_t, kLineDays> worked{};
    for (int d = 0; d < kMaxMonthDays; ++d)
        if (line.PriorDay[At(d + kPriorWindowOffset)][kPriorWorked] != 0) worked[At(d)] = 1;
    int vacation = 0;
    for (int d = 0; d < days; ++d) {
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsPairing()) {
            const TPair& p = *day.pairing;
            const int n = (p.DutyStartTime + p.Tafb - 120) / kMinutesPerDay + 1;
            for (int k = 0; k < n && d + k < kLineDays; ++k) worked[At(d + k)] = 1;
        } else if (day.IsDutyCode()) {
            worked[At(d)] = 1;
            const int more = (day.start + day.length - 121) / kMinutesPerDay;
            for (int k = 1; k <= more && d + k < kLineDays; ++k) worked[At(d + k)] = 1;
        } else if (day.IsCode()) {
            const std::string& code = line.DayCode[At(d)];
            if (code == "STT" || code == "VAC" || code == "VAU")
                vacation += 1;
            else if (code == "VCI" || code == "SCI")
                vacation += day.credit / 240;
            else if (code == "VTP" || code == "STP")
                vacation += day.credit / 318;
        }
    }
    int workedDays = 0;
    for (int d = 0; d < days; ++d) workedDays += worked[At(d)];
    int off = days - workedDays;
    if (schedule.CrewType != kCabinCrew) off -= vacation;
    return off;
}

} // namespace tq
