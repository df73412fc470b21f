#pragma once
#include "model/Schedule.h"

namespace tq {

// The rules of a flight attendants' line, in the order the check run calls them. Each appends its
// one message to the line's ExceptionText or WarningText and sets the day marks.

void CabinRestRule(const Schedule& schedule, TPilot& line);
void CabinConsecutiveDaysRule(const Schedule& schedule, TPilot& line);
// Marks the holders of the other seats for a re-check (FrenchCabinCheck), hence the schedule.
void FrenchPairingRule(Schedule& schedule, int employee);
void FamiliarisationRule(const Schedule& schedule, TPilot& line);
void RbGroupingRule(const Schedule& schedule, TPilot& line);

// A reserve line: bid reserve (or on leave), or below the last block holder.
inline bool IsReserveLine(const TPilot& line) {
    return line.BidReserveOrLoa != 0 || line.BelowLastBlockHolder;
}

} // namespace tq
