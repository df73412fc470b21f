#pragma once
#include "model/Schedule.h"

namespace tq {

class Workspace;

// The check run of one line: rebuilds its ExceptionText, WarningText, DutyRuleText, DayException
// and DayWarning (and DutyTotals of a pilot line) from scratch, running the rules of its crew
// type in their fixed order. A line numbered -1 (a captain-pairings line) is not checked at all.
// `oldDutyRules` selects the previous version of the duty-time rules (the exceptions report's
// second pass). The employee index may be the scratch line; an index outside the table does
// nothing. Allocates nothing but the findings' texts.
void CheckEmployeeLine(Schedule& schedule, int employee, bool oldDutyRules);
// The same, then the line's row of the grid is redrawn.
void CheckEmployeeLine(Workspace& workspace, int employee, bool oldDutyRules);

// Every line of the roster, in order.
void CheckAllLines(Schedule& schedule, bool oldDutyRules);

// Checks again every line a French cabin check marked (RecheckDone false) and returns how many
// were checked. The marks these checks make of each other are cleared too: nothing changed
// between them, so afterwards every line is up to date.
int RecheckMarkedLines(Schedule& schedule);

// The two-captain rule of a captains' file: two captains both 65 or over, or both with the
// medical flag, on one two-captain pairing. Lines already carrying its finding are checked again
// first (with the same version of the duty-time rules as the run it follows), then the finding
// is appended to the line that holds the pairing copy.
void TwoCaptainRule(Schedule& schedule, bool oldDutyRules = false);

} // namespace tq
