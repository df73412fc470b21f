#include "cli/ScheduleJson.h"

#include "model/Schedule.h"
#include "platform/Cp1252.h"

namespace tq::cli {

namespace {
nlohmann::ordered_json DatesOf(const std::array<DayMonthYear, kMaxMonthDays>& days) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const DayMonthYear& d : days) out.push_back({d.day, d.month, d.year});
    return out;
}
} // namespace

nlohmann::ordered_json ScheduleMonthJson(const Schedule& s) {
    nlohmann::ordered_json j;
    j["FileKey"] = Cp1252ToUtf8(s.FileKey);
    j["CrewType"] = s.CrewType;
    j["DaysInMonth"] = s.DaysInMonth;
    j["FirstWeekday"] = s.FirstWeekday;
    j["AvgBlockCredit"] = s.AvgBlockCredit;
    j["MaxBlockCredit"] = s.MaxBlockCredit;
    j["MinBlockCredit"] = s.MinBlockCredit;
    j["DaysOffBlockHolder"] = s.DaysOffBlockHolder;
    j["DaysOffReserve"] = s.DaysOffReserve;
    j["ReducedMaxBlock"] = s.ReducedMaxBlock;
    j["ReducedMinBlock"] = s.ReducedMinBlock;
    j["ReducedMinDaysOff"] = s.ReducedMinDaysOff;
    j["CheckPilotMaxHours"] = s.CheckPilotMaxHours;
    j["MonthDays"] = DatesOf(s.MonthDays);
    nlohmann::ordered_json weekdays = nlohmann::ordered_json::array();
    for (const auto& w : s.DayWeekday) weekdays.push_back(std::string(w.data(), w[0] ? (w[1] ? 2 : 1) : 0));
    j["DayWeekday"] = weekdays;
    j["Weekend"] = s.Weekend;
    j["PriorDays"] = DatesOf(s.PriorDays);
    j["ReferenceMonth"] = s.ReferenceMonth;
    j["MonthText"] = Cp1252ToUtf8(s.MonthText);
    j["YearText"] = Cp1252ToUtf8(s.YearText);
    j["FilterToggle"] = s.FilterToggle;
    j["LastPairingIndex"] = s.LastPairingIndex;
    j["LastLoadedPairingIndex"] = s.LastLoadedPairingIndex;
    j["EmployeeCount"] = s.EmployeeCount;
    j["CodeCount"] = s.CodeCount;
    j["ToolboxDate"] = Cp1252ToUtf8(s.ToolboxDate);
    j["CityPairReport"] = Cp1252ToUtf8(s.CityPairReport);
    j["SharedNotes"] = Cp1252ToUtf8(s.SharedNotes);
    j["StationTable"] = Cp1252ToUtf8(s.StationTable);
    nlohmann::ordered_json filters = nlohmann::ordered_json::array();
    for (const auto& f : s.FilterTexts) filters.push_back(Cp1252ToUtf8(f));
    j["FilterTexts"] = filters;
    j["History"] = s.History.ToText();
    j["ViewerMode"] = s.ViewerMode;
    j["DstChangeTime"] = s.DstChangeTime;
    j["DstShift"] = s.DstShift;
    return j;
}

} // namespace tq::cli
