#pragma once
#include "model/Schedule.h"

#include <array>

namespace tq {

// The figures the block grid shows beside the lines: the daily balance of its header and the
// days-off indicator of its days-off column.

using DailyBalance = std::array<int, kLineDays>;

// Per column: free crew days of the lines that still need work, less the open pairing days
// starting or running on that day. A positive value shows crew to spare.
DailyBalance ComputeDailyBalance(const Schedule& schedule);

// Whether a line's days off meet its requirement: the block holders' days off of the month (or
// the line's own minimum), prorated for leave and reduced by training and days free of duty.
bool DaysOffRequirementMet(const Schedule& schedule, int employee);

} // namespace tq
