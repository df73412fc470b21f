#include "rules/PairingReport.h"

#include "platform/Format.h"
#include "shell/Workspace.h"

#include <algorithm>

namespace tq {

namespace {
std::string HoursMinutes(int minutes) {
    return Format("%d:%02d", minutes / 60, minutes % 60);
}

int PairingDays(const TPair& p) {
    return std::clamp<int>(p.LengthDays, 0, kMaxMonthDays);
}

int MonthDayCount(const Schedule& s) {
    return std::clamp(s.DaysInMonth, 0, kMaxMonthDays);
}
} // namespace

std::string AveragePairingCreditPerDay(const Schedule& s) {
    long long credit = 0, days = 0;
    const int last = std::min(s.LastPairingIndex, kPairingSlots - 1);
    for (int i = 0; i <= last; ++i) {
        const TPair& p = s.Pairings[static_cast<std::size_t>(i)];
        for (int d = 0; d < MonthDayCount(s); ++d) {
            if (p.OperatesOn[static_cast<std::size_t>(d)] == 0) continue;
            credit += p.TotalCredit;
            days += p.LengthDays;
        }
    }
    if (days == 0) return "0:00";
    return HoursMinutes(static_cast<int>(credit / days));
}

int CreditInsideMonth(const TPair& p, int day, int daysInMonth) {
    if (day + p.LengthDays <= daysInMonth) return p.TotalCredit;
    int credit = 0;
    for (int k = 0; k < PairingDays(p) && day + k < daysInMonth; ++k)
        credit += p.DailyCredit[static_cast<std::size_t>(k)];
    return credit;
}

std::vector<std::string> PairingReportLines(Schedule& s) {
    std::vector<std::string> lines;
    const int last = std::min(s.LastPairingIndex, kPairingSlots - 1);
    lines.push_back(Format("Number of Pairings %d  Average Pairing Credit per day is %s",
                           s.LastPairingIndex + 1, AveragePairingCreditPerDay(s)));
    lines.insert(lines.end(), {"", "====== Pairing Warnings Report ======", ""});
    for (int i = 0; i <= last; ++i) {
        TPair& p = s.Pairings[static_cast<std::size_t>(i)];
        if (!p.Validate(s.DaysInMonth, s.StationTable))
            lines.push_back(Format("Pair %04d  %s", p.PairingNumber, p.ValidationMessage));
    }
    lines.insert(lines.end(),
                 {"", "====== End of Pairing Warnings ======", "", "====== Begin Pairing Report ======"});
    lines.push_back(
        Format("Pairing Report for %s %s Carry Over Removed from Running Total", s.MonthText, s.YearText));

    long long running = 0, withCarryOver = 0;
    for (int i = 0; i <= last; ++i) {
        const TPair& p = s.Pairings[static_cast<std::size_t>(i)];
        int operating = 0;
        for (int d = 0; d < MonthDayCount(s); ++d) {
            if (p.OperatesOn[static_cast<std::size_t>(d)] == 0) continue;
            ++operating;
            running += CreditInsideMonth(p, d, s.DaysInMonth);
            withCarryOver += p.TotalCredit;
        }
        int hard = 0;
        for (int k = 0; k < PairingDays(p); ++k) hard += p.DailyHardTime[static_cast<std::size_t>(k)];
        lines.push_back(Format("Pair %04d  Credit %s  Hard %s  OPER %02d  Running Total %s", p.PairingNumber,
                               FormatTime(p.TotalCredit, true, true), FormatTime(hard, true, true), operating,
                               HoursMinutes(static_cast<int>(running))));
    }
    lines.push_back("Total Hours including Carry Over " + HoursMinutes(static_cast<int>(withCarryOver)));
    return lines;
}

void ShowPairingReport(Workspace& ws) {
    ws.Ui().ShowList(kPairingReportTitle, PairingReportLines(ws.schedule));
}

} // namespace tq
