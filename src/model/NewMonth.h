#pragma once
#include "model/Date.h"
#include "model/Schedule.h"

#include <string_view>

namespace tq {

class UserInterface;

// The month rule defaults a new file gets for its crew type: days off 10 (cabin) or 12 (pilots)
// for block holders and 12 for reserves; reduced blocks 40:00 to 50:00 (cabin) or 45:00 (pilots)
// with 12 (cabin) or 21 (pilots) days off.
void ApplyNewFileMonthDefaults(Schedule& schedule);

// A new, empty month: the schedule cleared, the month dates dialog's OK for start..end, the crew
// type, the file key and the new-file month defaults; the schedule is untitled. A file key that is
// not 9 characters, or dates that cannot make a month, are refused with the system's message and
// give false.
bool MakeNewMonth(Schedule& schedule, UserInterface& ui, Date start, Date end, CrewTypeValue crewType,
                  std::string_view fileKey);

} // namespace tq
