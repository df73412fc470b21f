#include "model/Schedule.h"

#include "model/StationTable.h"
#include "platform/Services.h"

#include <algorithm>

namespace tq {

namespace {

DayMonthYear DmyOf(Date d) {
    return {d.Day(), d.Month(), d.Year()};
}

Date NthSundayOf(int n, int month, int year) {
    const Date first = Date::FromDmy(1, month, year);
    if (!first.Valid()) return Date();
    const int toSunday = (7 - first.Weekday()) % 7;
    return first.AddDays(toSunday + 7 * (n - 1));
}

} // namespace

Schedule::Schedule(Date today) {
    Pairings.assign(kPairingSlots, TPair(today));
    Employees.resize(kEmployeeSlots);
    Codes.resize(kMaxCodes);
    DeleteAll();
}

void Schedule::LogLine(std::string_view line) const {
    if (Log && Log->IsOpen()) Log->Write(line);
}

void Schedule::ZeroData(bool employees, bool pairings) {
    LogLine("ZeroDataBegin\n");
    if (employees) {
        for (auto& e : Employees) e.Reset();
        EmployeeCount = 0;
    }
    if (pairings) {
        for (auto& p : Pairings) p.Reset();
        LastPairingIndex = -1;
        LastLoadedPairingIndex = -1;
    }
    LogLine("ZeroDataEnd\n");
}

void Schedule::DeleteAll() {
    LogLine("BeginDeleteAll\n");
    ZeroData(true, true);
    ViewerMode = 0;
    FreshSchedule = true;
    Modified = false;
    FilterToggle = true;
    CodeCount = 0;
    DaysInMonth = 0;
    FirstWeekday = 0;
    AvgBlockCredit = 4650;
    MaxBlockCredit = 4800;
    MinBlockCredit = 4500;
    DaysOffBlockHolder = 0;
    DaysOffReserve = 0;
    ReducedMaxBlock = 3420;
    ReducedMinBlock = 2820;
    ReducedMinDaysOff = 12;
    CheckPilotMaxHours = 5400;
    FileName.clear();
    FileKey.clear();
    CityPairReport.clear();
    for (auto& f : FilterTexts) f.clear();
    PriorDays.fill({});
    History.Clear();
    // The rest of the old month's calendar goes with it, and no index into the cleared tables
    // survives. ToolboxDate, StationTable and SharedNotes stay for the next month.
    MonthDays.fill({});
    DayWeekday.fill({});
    Weekend.fill(false);
    ReferenceMonth = 0;
    ReferenceYear = 0;
    MonthText.clear();
    YearText.clear();
    CurrentPairing = -1;
    LastBlockHolder = -1;
    DstChangeTime = 0;
    DstShift = 0;
    MarchChange = Date();
    NovemberChange = Date();
    DailyHard.fill(0);
    LogLine("EndDeleteAll\n");
}

bool Schedule::SetMonthDates(Date start, Date end) {
    if (!start.Valid() || !end.Valid()) return false;
    const int days = DaysBetween(start, end) + 1;
    if (days < 1 || days > kMaxMonthDays) return false;

    DaysInMonth = days;
    FirstWeekday = start.Weekday();
    for (int d = 0; d < kMaxMonthDays; ++d) {
        const auto i = static_cast<std::size_t>(d);
        if (d >= days) {
            MonthDays[i] = {};
            DayWeekday[i] = {};
            Weekend[i] = false;
            continue;
        }
        const Date date = start.AddDays(d);
        MonthDays[i] = DmyOf(date);
        const std::string code = WeekdayCode((FirstWeekday + d) % 7);
        DayWeekday[i] = {code[0], code[1], '\0'};
        Weekend[i] = code == "SA" || code == "SU";
    }
    for (int slot = 30; slot >= 0; --slot)
        PriorDays[static_cast<std::size_t>(slot)] = DmyOf(start.AddDays(slot - 31));

    const Date reference = start.AddDays(15);
    ReferenceMonth = reference.Month();
    ReferenceYear = reference.Year();
    MonthText = reference.MonthName().substr(0, 3);
    YearText = std::to_string(reference.Year());
    DetermineDst();
    return true;
}

Date Schedule::MonthDayDate(int day) const {
    if (day < 0 || day >= DaysInMonth || day >= kMaxMonthDays) return Date();
    const DayMonthYear& d = MonthDays[static_cast<std::size_t>(day)];
    return Date::FromDmy(d.day, d.month, d.year);
}

Date Schedule::PriorDayDate(int slot) const {
    if (slot < 0 || slot >= kMaxMonthDays) return Date();
    const DayMonthYear& d = PriorDays[static_cast<std::size_t>(slot)];
    return Date::FromDmy(d.day, d.month, d.year);
}

bool Schedule::DetermineDst() {
    DstChangeTime = 0;
    DstShift = 0;
    MarchChange = Date();
    NovemberChange = Date();
    if (DaysInMonth < 1) return false;
    const Date start = MonthDayDate(0);
    const Date reference = MonthDayDate(std::min(14, DaysInMonth - 1));
    if (!start.Valid() || !reference.Valid()) return false;

    // Clocks go forward at 02:00 on the second Sunday of March and back on the first Sunday of
    // November. The change is the one of those dates that lies inside the month, so a month that
    // starts after the change never sees it again.
    MarchChange = NthSundayOf(2, 3, reference.Year());
    NovemberChange = NthSundayOf(1, 11, reference.Year());
    const int marchDay = DaysBetween(start, MarchChange);
    const int novemberDay = DaysBetween(start, NovemberChange);
    if (marchDay >= 0 && marchDay < DaysInMonth) {
        DstChangeTime = marchDay * kMinutesPerDay + 120;
        DstShift = 60;
    } else if (novemberDay >= 0 && novemberDay < DaysInMonth) {
        DstChangeTime = novemberDay * kMinutesPerDay + 120;
        DstShift = -60;
    }
    return DstShift != 0;
}

int Schedule::StationValue(std::string_view station) const {
    return StationValueIn(StationTable, station);
}

} // namespace tq
