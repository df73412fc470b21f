#pragma once
#include "model/Date.h"
#include "model/History.h"
#include "model/TAbsence.h"
#include "model/TPair.h"
#include "model/TPilot.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tq {

class EventLog;

constexpr int kMaxPairings = 3000;
constexpr int kPairingSlots = kMaxPairings + 1;
constexpr int kEmployeeSlots = 1000;
constexpr int kMaxEmployees = kEmployeeSlots - 1; // the last line is the who-is-legal scratch line
constexpr int kScratchLine = kEmployeeSlots - 1;
constexpr int kFilterTexts = 20;

enum CrewTypeValue : std::uint8_t { kCaptains = 0, kFirstOfficers = 1, kCabinCrew = 2 };

struct DayMonthYear {
    int day = 0, month = 0, year = 0;
    friend bool operator==(const DayMonthYear&, const DayMonthYear&) = default;
};

// The whole open month. Fixed tables, allocated once and reset in place.
class Schedule {
public:
    explicit Schedule(Date today = Date());
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    // Stored contents
    std::string FileKey;
    std::uint8_t CrewType = kCaptains;
    int DaysInMonth = 0;
    int FirstWeekday = 0;
    std::array<DayMonthYear, kMaxMonthDays> MonthDays{};
    std::array<std::array<char, 3>, kMaxMonthDays> DayWeekday{};
    std::array<bool, kMaxMonthDays> Weekend{};
    std::array<DayMonthYear, kMaxMonthDays> PriorDays{};
    int ReferenceMonth = 0;
    int ReferenceYear = 0; // working: year of the reference day
    std::string MonthText, YearText;
    int AvgBlockCredit = 4650;
    int MaxBlockCredit = 4800;
    int MinBlockCredit = 4500;
    int DaysOffBlockHolder = 0;
    int DaysOffReserve = 0;
    int ReducedMaxBlock = 3420;
    int ReducedMinBlock = 2820;
    int ReducedMinDaysOff = 12;
    int CheckPilotMaxHours = 5400;
    std::vector<TPair> Pairings;     // kPairingSlots
    int LastPairingIndex = -1;
    int LastLoadedPairingIndex = -1;
    std::vector<TPilot> Employees;   // kEmployeeSlots
    int EmployeeCount = 0;
    std::vector<TAbsence> Codes;     // kMaxCodes
    int CodeCount = 0;
    std::string ToolboxDate;
    std::string StationTable;
    std::string CityPairReport;
    std::string SharedNotes;
    std::array<std::string, kFilterTexts> FilterTexts;
    bool FilterToggle = true;
    tq::History History;

    // Working state
    std::string FileName;
    bool Modified = false;
    bool Untitled = false;
    bool FreshSchedule = true;
    bool BlocksBuilt = false;
    int ViewerMode = 0;
    int CurrentPairing = -1;
    int LastBlockHolder = -1;
    int DstChangeTime = 0;
    int DstShift = 0;
    Date MarchChange, NovemberChange;
    std::array<int, kLineDays> DailyHard{};
    EventLog* Log = nullptr;

    void LogLine(std::string_view line) const;

    bool ValidPairingIndex(int index) const { return index >= 0 && index <= LastPairingIndex && index < kPairingSlots; }
    bool ValidEmployeeIndex(int index) const { return index >= 0 && index < EmployeeCount && index < kEmployeeSlots; }

    // The date of month day `day` (0..DaysInMonth-1) and of previous-month slot 0..30; the
    // invalid date outside them.
    Date MonthDayDate(int day) const;
    Date PriorDayDate(int slot) const;

    void ZeroData(bool employees, bool pairings);
    void DeleteAll();
    // Builds the month calendar from start to end and determines the daylight-saving change.
    // False (and nothing changed) when the month would hold 32 days or more, end lies before
    // start, or a date is invalid.
    bool SetMonthDates(Date start, Date end);
    // The March or November change that lies inside the month: DstChangeTime (02:00 of its
    // day) and DstShift (+60 or -60), both 0 without one.
    bool DetermineDst();
    int StationValue(std::string_view station) const;

    // The code of a crew-system tracking code: the first of the code table with it, or, when the
    // table is empty, the first built-in row of the crew kind of crewType with it.
    std::optional<TAbsence> FindCodeByTracking(std::string_view trackingCode, int crewType) const;
};

} // namespace tq
