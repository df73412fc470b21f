#pragma once
#include "model/Schedule.h"

#include <string>

namespace tq {

class UserInterface;
class Workspace;

// The credit total of a line: carried-in, draft, extra and time-bank credit, training at home
// (always in the pay view, else unless it lies outside the window), the credit of its pairings
// in the month (less their excluded credit outside the pay view) and of its codes (those not
// counted only in the pay view). Stores CreditHours and CreditMinutes, TimeBankCodeCredit
// ("TBB") and AlbCodeCredit ("ALB"), and returns the total less the leave credit ("LOA", "MED",
// "MAT"). The whole total is kept in CreditTotalMinutes. A pairing index that names no loaded
// pairing stops the sum with "Pairing Number out of RANGE" ("Internal Error").
int CreditTotal(Schedule& schedule, int employee, bool payView, UserInterface& ui);
// The same, then the line's credit cell and the time-bank total of the status bar are refreshed.
int CreditTotal(Workspace& workspace, int employee, bool payView);

// The credit total as the line holds it since its last CreditTotal (before the leave credit).
inline int StoredCreditTotal(const TPilot& line) {
    return line.CreditTotalMinutes;
}

// TimeBank plus TimeBankCodeCredit over every line.
int TimeBankTotal(const Schedule& schedule);
// " TB %d:%02d", the status-bar text of a time-bank total.
std::string TimeBankText(int total);
// Tells the status bar the current time-bank total.
void RefreshTimeBank(Workspace& workspace);

// Days off of a line in the month: the month's days less the days worked (the previous-month
// window's marks, pairings by their release, duty codes with the days they run into), and in a
// pilots' file less the vacation equivalents of its codes.
int DaysOffCount(const Schedule& schedule, int employee);

} // namespace tq
