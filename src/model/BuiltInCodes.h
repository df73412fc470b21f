#pragma once
#include "model/TAbsence.h"

#include <optional>
#include <string_view>

namespace tq {

class EventLog;

// The crew system's code list, built in for a schedule without codes: fixed-column rows, one code
// for one crew kind each. Columns (0-based): 0-2 code, 6 crew kind "P"/"C", 23 "E" outside the
// window, 26-27 and 29-30 credit hours and minutes, 42 "D" duty, 43 "D" CARs duty, 50-69 caption,
// 71-72 tracking code, 121-125 start and 127-131 end as "hh:mm".
constexpr int kBuiltInCodeRows = 117;
constexpr int kBuiltInToolboxRows = 89; // the rows up to the second "PSD" get toolbox buttons
constexpr int kBuiltInRowMinimum = 73;  // a shorter row is not used

// Row `index` of the table; empty outside 0..116.
std::string_view BuiltInCodeRow(int index);

struct BuiltInCode {
    // Code (trailing blank dropped, so "OF " is "OF"), TrackingCode, Caption, StartTime, EndTime,
    // Credit, ContainsDuty and CarsDuty from the columns; HardTime 0, CountsCredit and InToolbox 1.
    TAbsence fields;
    char crewKind = ' ';
    bool outsideWindow = false;
};

// The fields of one row. A row shorter than 73 characters gives nothing and logs
// "Bornemann Codes Data Error".
std::optional<BuiltInCode> ReadBuiltInCodeRow(std::string_view row, EventLog* log);

// "P" rows serve captains' and first officers' schedules, "C" rows cabin schedules.
char CrewKindOf(int crewType);

} // namespace tq
