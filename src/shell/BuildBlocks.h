#pragma once
#include "model/Schedule.h"

#include <string>

namespace tq {

class Workspace;

// "Build Blocks": prepares an opened schedule for work. Repairs the assignment marks, validates
// the pairings (offering the pairing editor when some stay invalid), computes the credits, the
// last block holder and the month's daylight-saving change, checks every line, runs the
// two-captain rule of a captains' file, fills the grid's balance row and shows or hides the
// pairings window. Does nothing when the blocks are already built. False when it ended early
// to let the scheduler edit the pairings.
bool BuildBlocks(Workspace& workspace, bool showPairingsWindow);

// Sets every held pairing day back to open, then marks held again each day a line really holds.
// A slot that names no pairing ("Error 100 Emp %s ") or a pairing not open on that day ("Error
// 101 Emp %s Day %d") is cleared. Returns the notes, empty when nothing needed repair.
std::string RepairAssignmentMarks(Schedule& schedule);

// The month's daylight-saving change; false (and no change) when the month's calendar is unusable.
bool SetUpDaylightSaving(Schedule& schedule);

// Dates and two-letter day names of the days after the month, in the slots the month leaves free.
void FillDayNames(Schedule& schedule);

// Window days whose duty start is known but whose home-base duty start is not get the former.
void CompletePriorHomeDutyStarts(TPilot& line);

// The balance row of the grid header; repaints the cells whose value changed.
void UpdateDailyBalance(Workspace& workspace);

} // namespace tq
