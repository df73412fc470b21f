#pragma once
#include "model/Schedule.h"

#include <string>
#include <vector>

namespace tq {

class Workspace;

inline constexpr const char* kPairingReportTitle = "Pairing Warnings and Report";

// "%d:%02d" of the credit per operating pairing day: TotalCredit over LengthDays, summed over
// every pairing day with a status; "0:00" when nothing operates.
std::string AveragePairingCreditPerDay(const Schedule& schedule);

// Credit of a pairing starting on `day` that falls inside the month: TotalCredit, or only the
// daily credits of the days inside the month when the pairing runs past its end.
int CreditInsideMonth(const TPair& pairing, int day, int daysInMonth);

// The lines of the "Pairing Warnings and Report" list: the count and average, the validation
// failures (every pairing is validated), and the per-pairing credit report with its running total.
std::vector<std::string> PairingReportLines(Schedule& schedule);

// Shows the list under its title (rebuilt each time it is shown).
void ShowPairingReport(Workspace& ws);

} // namespace tq
