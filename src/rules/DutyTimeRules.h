#pragma once
#include "model/Schedule.h"

namespace tq {

// The regulatory flight and duty time rules of a pilot line over the 93-day timeline (31 days
// before the month, the month, the days after it): duty totals over 7 and 28 days, local night
// rests, single days free of duty, the 60/7 and 70/7 regimes with the switch between them, and
// in the current version the early/late sequences and the WOCL intrusions. Fills DutyTotals,
// appends to ExceptionText, WarningText and DutyRuleText (its day-by-day log and the dump of
// its arrays) and sets the day marks. `previousVersion` selects the rules as they stood before.
void DutyTimeRules(const Schedule& schedule, TPilot& line, bool previousVersion);

} // namespace tq
