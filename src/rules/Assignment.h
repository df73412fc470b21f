#pragma once
#include "model/Schedule.h"

#include <string>

namespace tq {

class Workspace;

// Results of AssignPair. Refusals change nothing (only the event-log line may be written).
enum AssignResult : int {
    kAssignDone = 0,
    kAssignRefused = 1, // day taken, rest below the hard minimum, or No to a question
    kAssignNotOperating = 2,
    kAssignAlreadyHeld = 3,
    kAssignEmployeeOutOfRange = 4,
    kAssignPairingOutOfRange = 5,
    kAssignBidReserveDeclined = 6, // No to "Employee Bidding Reserve..."
};

// Results of RemovePair.
enum RemoveResult : int {
    kRemoveDone = 0,
    kRemoveNothingHeld = 1, // no pairing on the day, or not the pairing named
    kRemoveNotOperating = 2,
    kRemoveNotHeld = 3,
    kRemoveEmployeeOutOfRange = 4,
    kRemovePairingOutOfRange = 5,
};

// Rest limits of an assignment by crew type: flight attendants 10:00 hard and 12:00 by default,
// pilots 11:00 for both; a rest below 12:00 is questioned.
struct RestLimits {
    int hardMinimum;
    int defaultRest;
    int warning;
};
RestLimits RestLimitsOf(const Schedule& schedule);

// Puts `pairing` on `employee`'s line on its start `day`: the legality gate with its refusals and
// questions, then the commit (slot and status, history record, event log, re-checks of the line,
// the two-captain and French rules, pairings window, credit, last block holder, open time).
// The employee may be the line at EmployeeCount when that is a captain-pairings line being made.
int AssignPair(Workspace& ws, int employee, int pairing, int day);

// Takes `pairing` off `employee`'s line on `day`, with the same commit as an assignment.
int RemovePair(Workspace& ws, int employee, int pairing, int day);

// The drag of a pairing from one line to another: removal from the source, assignment to the
// target; a refused assignment puts the pairing back on the source (with all its checks) and
// beeps, and a successful put-back leaves the history as it was. A locked day is not dragged
// ("Can't Drag a Locked in Pairing"). Returns 0 when moved, 1 for a locked day, else the code of
// the step that refused: RemovePair's when nothing could be taken off, AssignPair's on the target.
int MovePair(Workspace& ws, int fromEmployee, int toEmployee, int day);

// The right-click removal of the grid for the pairing on `employee`'s `day`: a locked day asks
// "Do you want to Send it to Open anyway" first; the captain-pairings line is never changed this
// way. Commits as RemovePair does, re-checks the French seats of a flight attendants' file, and
// brings the display list and the balance row up to date. True when the pairing went to open.
bool RemovePairByRightClick(Workspace& ws, int employee, int day);

// The middle-click lock: toggles DayLocked of a day that holds a pairing. False (and nothing
// changed) when the day holds no pairing.
bool ToggleDayLock(Workspace& ws, int employee, int day);

// The who-is-legal dialog's message for a refusal 1..5 of AssignPair; empty for 0 and 6.
std::string AssignRefusalText(int result);

} // namespace tq
