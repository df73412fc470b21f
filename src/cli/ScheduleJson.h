#pragma once
#include <nlohmann/json.hpp>

namespace tq {
class Schedule;
}

namespace tq::cli {

// The month items of a schedule as JSON, keyed by the model's field names: the file key, crew
// type, calendar (MonthDays and PriorDays as [day, month, year]), rules, counts, texts (converted
// from Windows-1252) and the history's text form, then the daylight-saving change.
nlohmann::ordered_json ScheduleMonthJson(const Schedule& schedule);

} // namespace tq::cli
