#include "rules/CreditSummaries.h"

#include "rules/Credit.h"
#include "rules/LineDays.h"
#include "rules/PairingReport.h"
#include "shell/Workspace.h"

#include <algorithm>

namespace tq {

namespace {
std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}
} // namespace

OpenTimeFigures ComputeOpenTime(const Schedule& schedule) {
    OpenTimeFigures figures;
    const int days = std::clamp(schedule.DaysInMonth, 0, kMaxMonthDays);
    const int last = std::min(schedule.LastPairingIndex, static_cast<int>(schedule.Pairings.size()) - 1);
    for (int p = 0; p <= last; ++p) {
        const TPair& pairing = schedule.Pairings[At(p)];
        for (int d = 0; d < days; ++d) {
            const int status = pairing.OperatesOn[At(d)];
            if (status == 0) continue;
            figures.total += pairing.TotalCredit;
            if (status == 1 || status == -1)
                figures.open += CreditInsideMonth(pairing, d, schedule.DaysInMonth);
        }
    }
    return figures;
}

int OpenTime(Workspace& workspace) {
    const OpenTimeFigures figures = ComputeOpenTime(workspace.schedule);
    workspace.views.OpenTimeChanged(figures.total, figures.open);
    return figures.open;
}

int BlockMaximum(const Schedule& schedule, const TPilot& line) {
    return line.MaxBlockOverride > 0 ? line.MaxBlockOverride : schedule.MaxBlockCredit;
}

int BlockMinimum(const Schedule& schedule, const TPilot& line) {
    return line.MinBlockOverride > 0 ? line.MinBlockOverride : schedule.MinBlockCredit;
}

int BlockTarget(const Schedule& schedule, const TPilot& line) {
    if (line.MaxBlockOverride > 0 || line.MinBlockOverride > 0)
        return (BlockMaximum(schedule, line) + BlockMinimum(schedule, line)) / 2;
    return schedule.AvgBlockCredit;
}

int UpdateLastBlockHolder(Schedule& schedule, bool& changed) {
    changed = false;
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    if (lines <= 0) return 0;
    int open = ComputeOpenTime(schedule).open;
    int reserveRun = 0;
    int stop = lines;
    for (int e = 0; e < lines; ++e) {
        const TPilot& line = schedule.Employees[At(e)];
        if (line.BidReserveOrLoa) {
            ++reserveRun;
            continue;
        }
        reserveRun = 0;
        const int credit = StoredCreditTotal(line);
        const int maximum = BlockMaximum(schedule, line), minimum = BlockMinimum(schedule, line);
        if (credit > maximum) {
            open += credit - BlockTarget(schedule, line);
        } else if (credit < minimum) {
            // The open credit no longer fills this line's block.
            if (open < minimum - credit) {
                stop = e;
                break;
            }
            open += credit - BlockTarget(schedule, line);
        }
    }
    const int last = stop - 1 - reserveRun;
    changed = last != schedule.LastBlockHolder;
    schedule.LastBlockHolder = last;
    // The marks are set every time: lines come from the file unmarked, so a last block holder
    // equal to the stored one must still mark the lines after it.
    for (int e = 0; e < lines; ++e) {
        TPilot& line = schedule.Employees[At(e)];
        const bool below = e > last;
        if (line.BelowLastBlockHolder != below) changed = true;
        line.BelowLastBlockHolder = below;
    }
    return last;
}

int LastBlockHolder(Workspace& workspace) {
    bool changed = false;
    const int last = UpdateLastBlockHolder(workspace.schedule, changed);
    if (changed) {
        workspace.views.RepaintGrid();
        workspace.views.ApplyBlockFilters();
    }
    return last;
}

} // namespace tq
