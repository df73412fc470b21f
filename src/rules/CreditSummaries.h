#pragma once
#include "model/Schedule.h"

namespace tq {

class Workspace;

// How much pairing credit the month holds and how much of it is still open.
struct OpenTimeFigures {
    int total = 0; // credit of every operating pairing day
    int open = 0;  // credit of the open days, only the part inside the month of a pairing running past it
};
OpenTimeFigures ComputeOpenTime(const Schedule& schedule);
// The open credit; the open-time gauge of the main window is refreshed.
int OpenTime(Workspace& workspace);

// A line's block limits: its overrides when above 0, else the month's rules; the target is the
// month's average, or the middle of the line's limits when it has an override.
int BlockMaximum(const Schedule& schedule, const TPilot& line);
int BlockMinimum(const Schedule& schedule, const TPilot& line);
int BlockTarget(const Schedule& schedule, const TPilot& line);

// Walks the roster in seniority order spending the open credit on the lines that still need it
// and returns the last line that can hold a block (-1 when not even the first can). It is stored
// in the schedule and BelowLastBlockHolder is set on every line after it; `changed` tells whether
// the index or any mark changed. With no lines it returns 0 and changes nothing.
int UpdateLastBlockHolder(Schedule& schedule, bool& changed);
// The same; a change repaints the grid and rebuilds the display list.
int LastBlockHolder(Workspace& workspace);

} // namespace tq
