#include "rules/Assignment.h"

#include "platform/Format.h"
#include "rules/Credit.h"
#include "rules/CreditSummaries.h"
#include "rules/FrenchCabinCheck.h"
#include "rules/LineChecks.h"
#include "rules/LineDays.h"
#include "rules/RuleText.h"
#include "shell/BuildBlocks.h"
#include "shell/Workspace.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {

constexpr const char* kCaption = "Tarvelstrand";
constexpr int kNoNextDuty = kLineDays * kMinutesPerDay; // 62 days: nothing after

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// A line an assignment may change: a line of the roster, or the one just after it while it is
// being made a captain-pairings line. Never the who-is-legal scratch line.
bool AssignableLine(const Schedule& s, int employee) {
    if (employee < 0 || employee >= kMaxEmployees || employee > s.EmployeeCount) return false;
    return employee < s.EmployeeCount || s.Employees[At(employee)].EmployeeNumber == -1;
}

bool MonthDay(const Schedule& s, int day) {
    return day >= 0 && day < s.DaysInMonth && day < kMaxMonthDays;
}

std::string RestText(int minutes, const char* what) {
    return Format(" %d:%02d Crew Rest %s ", minutes / 60, minutes % 60, what);
}

// The previous duty's start S and release P before `day`, and whether a short rest before is
// worth a question (not after a day off).
struct PreviousDuty {
    int start = 0;
    int release = 0;
    bool warn = true;
};

PreviousDuty FindPreviousDuty(const Schedule& s, const TPilot& line, int day, const RestLimits& limits) {
    PreviousDuty prev;
    prev.release = line.LegalCheckIn - limits.defaultRest;
    for (int d = day - 1; d >= 0; --d) {
        const LineDay slot = ReadLineDay(s, line, d);
        if (slot.IsPairing()) {
            prev.start = d * kMinutesPerDay + slot.pairing->DutyStartTime;
            prev.release = prev.start + slot.pairing->Tafb;
            return prev;
        }
        if (slot.IsCode()) {
            prev.start = d * kMinutesPerDay + slot.start;
            prev.release = slot.duty ? prev.start + slot.length : prev.start;
            prev.warn = slot.duty;
            return prev;
        }
        // A slot naming no pairing holds nothing to rest from.
    }
    return prev;
}

// The next report after `day`, up to the end of the line's slots; a code without duty counts
// as a report one default rest after its start.
int FindNextReport(const Schedule& s, const TPilot& line, int day, const RestLimits& limits) {
    const int end = std::min(s.DaysInMonth + kPriorWindowOffset, kLineDays);
    for (int d = day + 1; d < end; ++d) {
        const LineDay slot = ReadLineDay(s, line, d);
        if (slot.IsPairing()) return d * kMinutesPerDay + slot.pairing->DutyStartTime;
        if (slot.IsCode()) return d * kMinutesPerDay + slot.start + (slot.duty ? 0 : limits.defaultRest);
    }
    return kNoNextDuty;
}

// Checks again the lines a French cabin check marked, and redraws their rows.
void RecheckFrenchSeats(Workspace& ws) {
    Schedule& s = ws.schedule;
    const int lines = std::min(s.EmployeeCount, kMaxEmployees);
    std::array<bool, kEmployeeSlots> marked{};
    for (int e = 0; e < lines; ++e) marked[At(e)] = !s.Employees[At(e)].RecheckDone;
    if (RecheckMarkedLines(s) == 0) return;
    for (int e = 0; e < lines; ++e)
        if (marked[At(e)]) ws.views.RepaintLine(e, 0, kLineDays);
}

// The commit of an assignment or a removal: slot and status, the history record, the checks of
// the line and of the lines that depend on it, and every figure and view that follows from it.
void CommitChange(Workspace& ws, int employee, int pairing, int day, bool assign) {
    Schedule& s = ws.schedule;
    TPilot& line = s.Employees[At(employee)];
    int& status = s.Pairings[At(pairing)].OperatesOn[At(day)];
    // The crew-complement sign of the status is kept.
    if (assign) {
        line.DayPairing[At(day)] = pairing;
        status = status < 1 ? -kHeld : kHeld;
    } else {
        line.DayPairing[At(day)] = kNoPairing;
        status = status < 1 ? -kOpen : kOpen;
    }
    s.History.Insert({assign ? 1 : 0, day, employee, pairing});

    // The check run rebuilds the marks of the whole row, so the whole row is redrawn.
    CheckEmployeeLine(ws, employee, false);
    if (s.CrewType == kCaptains) TwoCaptainRule(s);
    if (s.CrewType == kCabinCrew) {
        // A removal changes the French seats of the other holders as much as a placement does.
        if (!assign) FrenchCabinCheck(s, employee, pairing, day);
        RecheckFrenchSeats(ws);
    }
    if (assign) {
        if (ws.pick.pairing == pairing) {
            ws.pick.pairing = -1;
            ws.pick.lastPlaced = pairing;
        }
    } else {
        ws.pick.lastRemoved = pairing;
        ws.pick.pairing = -1;
    }
    ws.views.RefreshPairingsWindow();
    CreditTotal(ws, employee, false);
    LastBlockHolder(ws);
    s.Modified = true;
    OpenTime(ws);
}

} // namespace

RestLimits RestLimitsOf(const Schedule& schedule) {
    if (schedule.CrewType == kCabinCrew) return {600, 720, 720};
    return {660, 660, 720};
}

int AssignPair(Workspace& ws, int employee, int pairing, int day) {
    Schedule& s = ws.schedule;
    UserInterface& ui = ws.Ui();
    if (!AssignableLine(s, employee)) return kAssignEmployeeOutOfRange;
    if (!s.ValidPairingIndex(pairing)) return kAssignPairingOutOfRange;
    if (!MonthDay(s, day)) return kAssignNotOperating;
    TPilot& line = s.Employees[At(employee)];
    const TPair& p = s.Pairings[At(pairing)];

    if (line.DayPairing[At(day)] != kNoPairing) return kAssignRefused;
    const int status = p.OperatesOn[At(day)];
    if (status == kNotOperating) return kAssignNotOperating;
    if (status == kHeld || status == -kHeld) return kAssignAlreadyHeld;
    if (line.BidReserveOrLoa && ui.Ask("Employee Bidding Reserve. Do you want to assign this pairing anyways",
                                       "", Buttons::YesNo, MessageIcon::None) == Answer::No)
        return kAssignBidReserveDeclined;
    ws.LogLine(Format("AssignPair %d to %s on %d\n", p.PairingNumber, line.Name, DayOfMonth(s, day)));

    const RestLimits limits = RestLimitsOf(s);
    const PreviousDuty prev = FindPreviousDuty(s, line, day, limits);
    const int next = FindNextReport(s, line, day, limits);
    int report = day * kMinutesPerDay + p.DutyStartTime;
    int release = report + p.Tafb;
    if (s.DstShift != 0) {
        if (prev.start < s.DstChangeTime && s.DstChangeTime <= report)
            report -= s.DstShift;
        else if (report < s.DstChangeTime && s.DstChangeTime <= next)
            release += s.DstShift;
    }
    if (report < prev.release + limits.hardMinimum || next < release + limits.hardMinimum)
        return kAssignRefused;

    std::string before, after;
    if (prev.warn && report < prev.release + limits.warning)
        before = RestText(report - prev.release, "Before");
    if (next < release + limits.warning) after = RestText(next - release, "After");

    if (s.CrewType == kCabinCrew) {
        const FrenchCabinResult french = FrenchCabinCheck(s, employee, pairing, day);
        if (!french.passed) {
            const bool junior =
                french.quoted == employee || french.quoted < 0 || french.quoted >= kEmployeeSlots;
            const std::string question =
                junior
                    ? Format("Employee %s is not French Qualified and is the Junior Cabin Member. One Cabin "
                             "Member must be French for this pairing. Do you want to assign it anyway",
                             line.Name)
                    : Format("Employee %s is not French Qualified and is Senior to %s. One Cabin Member must "
                             "be French for this pairing. Do you want to assign it anyway",
                             line.Name, s.Employees[At(french.quoted)].Name);
            if (ui.Ask(question, kCaption, Buttons::YesNo, MessageIcon::Question) == Answer::No)
                return kAssignRefused;
        }
    }
    if (line.EmployeeNumber > 0 && (!before.empty() || !after.empty()) &&
        ui.Ask(Format("This Assignment Provides Only %s.  Do You want to Assign It Anyway", before + after),
               kCaption, Buttons::YesNo, MessageIcon::Question) == Answer::No)
        return kAssignRefused;

    CommitChange(ws, employee, pairing, day, true);
    return kAssignDone;
}

int RemovePair(Workspace& ws, int employee, int pairing, int day) {
    Schedule& s = ws.schedule;
    if (!AssignableLine(s, employee)) return kRemoveEmployeeOutOfRange;
    if (!s.ValidPairingIndex(pairing)) return kRemovePairingOutOfRange;
    if (!MonthDay(s, day)) return kRemoveNotOperating;
    const TPilot& line = s.Employees[At(employee)];
    // Only the pairing the slot holds can come off it: another would leave this one held by
    // nobody and open the other under its holder.
    if (line.DayPairing[At(day)] != pairing) return kRemoveNothingHeld;
    const TPair& p = s.Pairings[At(pairing)];
    const int status = p.OperatesOn[At(day)];
    if (status == kNotOperating) return kRemoveNotOperating;
    if (status == kOpen || status == -kOpen) return kRemoveNotHeld;
    ws.LogLine(Format("Remove Pair %d from %s on %d\n", p.PairingNumber, line.Name, DayOfMonth(s, day)));
    CommitChange(ws, employee, pairing, day, false);
    return kRemoveDone;
}

int MovePair(Workspace& ws, int fromEmployee, int toEmployee, int day) {
    Schedule& s = ws.schedule;
    if (!AssignableLine(s, fromEmployee)) return kRemoveEmployeeOutOfRange;
    if (day < 0 || day >= kLineDays) return kRemoveNotOperating;
    TPilot& source = s.Employees[At(fromEmployee)];
    if (source.DayLocked[At(day)]) {
        ws.Ui().ShowMessage("Can't Drag a Locked in Pairing", kCaption, MessageIcon::Stop);
        return kAssignRefused;
    }
    const int pairing = source.DayPairing[At(day)];
    if (!s.ValidPairingIndex(pairing)) return kRemoveNothingHeld;
    const int removed = RemovePair(ws, fromEmployee, pairing, day);
    if (removed != kRemoveDone) return removed;
    const int assigned = AssignPair(ws, toEmployee, pairing, day);
    if (assigned == kAssignDone) return kAssignDone;
    // Put back: when it goes back, nothing happened, and undo must not take it off again.
    if (AssignPair(ws, fromEmployee, pairing, day) == kAssignDone) {
        s.History.DropFront();
        s.History.DropFront();
    }
    ws.Ui().Beep();
    return assigned;
}

bool RemovePairByRightClick(Workspace& ws, int employee, int day) {
    Schedule& s = ws.schedule;
    if (!s.ValidEmployeeIndex(employee) || employee >= kMaxEmployees || !MonthDay(s, day)) return false;
    TPilot& line = s.Employees[At(employee)];
    if (line.EmployeeNumber == -1) return false;
    const int pairing = line.DayPairing[At(day)];
    if (!s.ValidPairingIndex(pairing)) return false;
    const TPair& p = s.Pairings[At(pairing)];
    const int status = p.OperatesOn[At(day)];
    if (status != kHeld && status != -kHeld) return false;
    if (line.DayLocked[At(day)]) {
        if (ws.Ui().Ask("Do you want to Send it to Open anyway", "This Pairing is Locked In", Buttons::YesNo,
                        MessageIcon::Question) == Answer::No)
            return false;
        line.DayLocked[At(day)] = 0;
    }
    ws.LogLine(Format("RemovePair %d %s %d RC\n", p.PairingNumber, line.Name, DayOfMonth(s, day)));
    CommitChange(ws, employee, pairing, day, false);
    ws.views.ApplyBlockFilters();
    UpdateDailyBalance(ws);
    return true;
}

bool ToggleDayLock(Workspace& ws, int employee, int day) {
    Schedule& s = ws.schedule;
    if (!s.ValidEmployeeIndex(employee) || employee >= kMaxEmployees || !MonthDay(s, day)) return false;
    TPilot& line = s.Employees[At(employee)];
    if (!s.ValidPairingIndex(line.DayPairing[At(day)])) return false;
    line.DayLocked[At(day)] = line.DayLocked[At(day)] ? 0 : 1;
    s.Modified = true;
    ws.views.RepaintLine(employee, day, 1);
    return true;
}

std::string AssignRefusalText(int result) {
    switch (result) {
    case kAssignRefused:
        return "Can't Assign. Previous Assignment that day";
    case kAssignNotOperating:
        return "Can't Assign. Pairing not Operating that day";
    case kAssignAlreadyHeld:
        return "Can't Assign. Pairing allready Assigned";
    case kAssignEmployeeOutOfRange:
        return "Can't Assign. Employee out of Range";
    case kAssignPairingOutOfRange:
        return "Can't Assign. Pairing out of Range";
    default:
        return {};
    }
}

} // namespace tq
