#pragma once
#include "model/Schedule.h"

#include <string_view>

namespace tq {

// The collective-agreement rules of a captains' or first officers' line, each appending its one
// message to the line's ExceptionText or WarningText and setting the day marks. The check run
// (CheckEmployeeLine) calls them in its fixed order; Schedule::DailyHard must hold the line's
// hard time per day (RebuildDailyHard).

void RebuildDailyHard(Schedule& schedule, const TPilot& line);

void PilotRestRule(const Schedule& schedule, TPilot& line);
void FatigueRule(const Schedule& schedule, TPilot& line);
void HardTime28DayRule(const Schedule& schedule, TPilot& line);
void HardTime90DayRule(const Schedule& schedule, TPilot& line);
void TwelveHourDutyRule(const Schedule& schedule, TPilot& line);
// Reads the 28-day duty totals the duty-time rules left in DutyTotals.
void Duty192HourRule(const Schedule& schedule, TPilot& line);
void PilotConsecutiveDaysRule(const Schedule& schedule, TPilot& line);
void ReserveMixRule(const Schedule& schedule, TPilot& line);
void CheckPilotCreditRule(const Schedule& schedule, TPilot& line);
// "YTZ" or "YCG": pairings into an airport the line is not qualified for.
void AirportQualificationRule(const Schedule& schedule, TPilot& line, std::string_view airport);
void UsaRule(const Schedule& schedule, TPilot& line);

} // namespace tq
