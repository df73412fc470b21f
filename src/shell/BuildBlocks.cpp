#include "shell/BuildBlocks.h"

#include "rules/Credit.h"
#include "rules/CreditSummaries.h"
#include "rules/LineChecks.h"
#include "rules/PairingReport.h"
#include "rules/RuleText.h"
#include "shell/Workspace.h"
#include "views/GridFigures.h"

#include <algorithm>

namespace tq {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

constexpr const char* kCaption = "Tarvelstrand";

// Validates every pairing; the index of the first invalid one, or -1.
int ValidateAllPairings(Schedule& schedule) {
    int firstInvalid = -1;
    for (int p = 0; p <= schedule.LastPairingIndex && p < static_cast<int>(schedule.Pairings.size()); ++p) {
        TPair& pairing = schedule.Pairings[At(p)];
        if (!pairing.Validate(schedule.DaysInMonth, schedule.StationTable) && firstInvalid < 0)
            firstInvalid = p;
    }
    return firstInvalid;
}

int FirstInvalidPairing(const Schedule& schedule) {
    for (int p = 0; p <= schedule.LastPairingIndex && p < static_cast<int>(schedule.Pairings.size()); ++p)
        if (!schedule.Pairings[At(p)].Valid) return p;
    return -1;
}

} // namespace

std::string RepairAssignmentMarks(Schedule& schedule) {
    const int pairings = std::min(schedule.LastPairingIndex + 1, static_cast<int>(schedule.Pairings.size()));
    for (int p = 0; p < pairings; ++p)
        for (int& status : schedule.Pairings[At(p)].OperatesOn) {
            if (status == kHeld)
                status = kOpen;
            else if (status == -kHeld)
                status = -kOpen;
        }

    std::string notes;
    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    for (int e = 0; e < lines; ++e) {
        TPilot& line = schedule.Employees[At(e)];
        for (int d = 0; d < kLineDays; ++d) {
            int& slot = line.DayPairing[At(d)];
            if (slot == kNoPairing || slot == kCodeOnDay) continue;
            if (slot < kCodeOnDay || slot > schedule.LastPairingIndex + 1) {
                slot = kNoPairing;
                notes += "Error 100 Emp " + line.Name + " ";
                continue;
            }
            // The day's status: only a pairing of the table, on a day of the month, has one.
            int* status = nullptr;
            if (slot < pairings && d < schedule.DaysInMonth && d < kMaxMonthDays)
                status = &schedule.Pairings[At(slot)].OperatesOn[At(d)];
            if (status && (*status == kOpen || *status == -kOpen)) {
                *status = *status > 0 ? kHeld : -kHeld;
                continue;
            }
            slot = kNoPairing;
            notes += "Error 101 Emp " + line.Name + " Day ";
            AppendInt(notes, DayOfMonth(schedule, d));
        }
    }
    return notes;
}

bool SetUpDaylightSaving(Schedule& schedule) {
    const bool usable = schedule.DaysInMonth >= 1 && schedule.DaysInMonth <= kMaxMonthDays && [&] {
        const auto& first = schedule.MonthDays[0];
        const auto& last = schedule.MonthDays[At(schedule.DaysInMonth - 1)];
        return Date::FromDmy(first.day, first.month, first.year).Valid() &&
               Date::FromDmy(last.day, last.month, last.year).Valid();
    }();
    if (!usable) {
        schedule.DstChangeTime = 0;
        schedule.DstShift = 0;
        return false;
    }
    schedule.DetermineDst();
    return true;
}

void FillDayNames(Schedule& schedule) {
    for (int d = std::max(schedule.DaysInMonth, 0); d < kMaxMonthDays; ++d) {
        const DayMonthYear date = DateOfDay(schedule, d);
        const Date day = Date::FromDmy(date.day, date.month, date.year);
        if (!day.Valid()) return;
        schedule.MonthDays[At(d)] = date;
        const std::string code = WeekdayCode(day.Weekday());
        auto& name = schedule.DayWeekday[At(d)];
        name = {};
        std::copy_n(code.begin(), std::min<std::size_t>(code.size(), 2), name.begin());
        schedule.Weekend[At(d)] = code == "SA" || code == "SU";
    }
}

void CompletePriorHomeDutyStarts(TPilot& line) {
    for (auto& day : line.PriorDay)
        if (day[kPriorDutyStart] > 0 && day[kPriorHomeDutyStart] == 0)
            day[kPriorHomeDutyStart] = day[kPriorDutyStart];
}

void UpdateDailyBalance(Workspace& workspace) {
    const auto balance = ComputeDailyBalance(workspace.schedule);
    for (int d = 0; d < kLineDays; ++d) {
        if (balance[At(d)] == workspace.dailyBalance[At(d)]) continue;
        workspace.dailyBalance[At(d)] = balance[At(d)];
        workspace.views.RepaintBalanceCell(d);
    }
}

bool BuildBlocks(Workspace& workspace, bool showPairingsWindow) {
    Schedule& schedule = workspace.schedule;
    UserInterface& ui = workspace.Ui();
    if (schedule.BlocksBuilt) return true;
    workspace.LogLine("BuildBlocksBegin\n");

    if (const std::string notes = RepairAssignmentMarks(schedule); !notes.empty()) {
        schedule.Modified = true;
        ui.ShowMessage(notes + " Errors Corrected OK to proceed", kCaption, MessageIcon::Information);
    }

    if (ValidateAllPairings(schedule) >= 0) {
        ShowPairingReport(workspace);
        const int invalid = FirstInvalidPairing(schedule);
        if (invalid >= 0 && ui.Ask("Not all Pairings are Valid. Do you want to edit the pairings to correct "
                                   "the errors as noted.",
                                   kCaption, Buttons::YesNo) == Answer::Yes) {
            workspace.views.OpenPairingEditor(invalid);
            return false;
        }
    }

    const int lines = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    workspace.views.ClearGridSelection();
    for (int p = 0; p <= schedule.LastPairingIndex && p < static_cast<int>(schedule.Pairings.size()); ++p)
        schedule.Pairings[At(p)].ComputeCreditClass();
    workspace.views.RefreshPairingsWindow();
    for (int e = 0; e < lines; ++e) {
        CreditTotal(schedule, e, false, ui);
        workspace.views.RepaintCredit(e);
    }
    RefreshTimeBank(workspace);
    workspace.views.SetGridScrollRange(kLineDays, schedule.EmployeeCount + 10);
    schedule.BlocksBuilt = true;
    OpenTime(workspace);
    LastBlockHolder(workspace);

    workspace.views.ApplyBlockFilters();
    if (!SetUpDaylightSaving(schedule))
        ui.ShowMessage(
            "Problem occured in Setting up Daylight Savings Time Data. Please contact support. You may "
            "continue to Build Blocks",
            kCaption, MessageIcon::Information);
    FillDayNames(schedule);

    for (int e = 0; e < lines; ++e) {
        TPilot& line = schedule.Employees[At(e)];
        CompletePriorHomeDutyStarts(line);
        line.UpdateOnLeaveAllMonth(schedule.DaysInMonth);
        line.ParsePriorHardTime();
        CheckEmployeeLine(schedule, e, false);
    }
    if (schedule.CrewType == kCaptains) TwoCaptainRule(schedule);

    UpdateDailyBalance(workspace);

    const bool open = workspace.views.PairingsWindowOpen();
    if (showPairingsWindow && !open)
        workspace.views.OpenPairingsWindow();
    else if (!showPairingsWindow && open)
        workspace.views.ClosePairingsWindow();

    workspace.views.RepaintGrid();
    workspace.LogLine("BuildBlocksEnd\n");
    return true;
}

} // namespace tq
