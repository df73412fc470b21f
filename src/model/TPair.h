#pragma once
#include "model/ByteStream.h"
#include "model/Date.h"
#include "model/Time.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

using DayInts = std::array<int, kMaxMonthDays>;

// Pairing day status (OperatesOn): 0 does not operate, 1 open, 2 held; negated while the
// crew-complement flag is applied.
enum PairingDayStatus : int { kNotOperating = 0, kOpen = 1, kHeld = 2 };

// One pairing (trip) as it operates in the open month; one record per crew seat.
class TPair {
public:
    static constexpr std::uint32_t kStreamVersion = 5;

    explicit TPair(Date created = Date());

    int DutyStartTime = 0;
    int DutyEndTime = 0;
    int TotalCredit = 0;
    std::uint8_t LengthDays = 0;
    std::uint8_t CountedDays = 0; // not stored
    int Tafb = 0;
    int PairingNumber = 0;
    std::string CrewPosition;
    DayInts OperatesOn{};      // per month day
    DayInts ExcludedCredit{};  // per month day
    DayInts DayType{};         // per month day: 0 normal, 1 line indoc, 2 line check, 3 recurrent line check
    DayInts DailyStartTime{};  // per pairing day
    DayInts DutyStartOfDay{};  // per pairing day; not stored
    DayInts LayoverRest{};     // per pairing day; not stored
    DayInts DailyDutyTime{};   // per pairing day
    DayInts DailyHardTime{};   // per pairing day
    DayInts DailyCredit{};     // per pairing day
    int FatigueUnits = 0;
    int MinRestAfter = 660;
    std::uint8_t OvernightDuty = 0; // not stored
    std::uint8_t UsaSegments = 0;   // not stored
    std::uint8_t FilterMark = 0;    // not stored
    std::uint8_t Valid = 0;
    std::uint8_t CreditClass = 0;   // not stored
    std::string ValidationMessage;
    std::string PairingText;
    std::string PrgText;
    std::string Stations;
    std::string BaseEqp;
    Date CreatedDate;

    // Documented defaults; CreatedDate keeps its value.
    void Reset();
    void CopyFrom(const TPair& other) { *this = other; }

    // Runs the validation steps and fills ValidationMessage, Valid, CountedDays, OvernightDuty,
    // UsaSegments, DutyStartOfDay and LayoverRest. stationTable is the schedule's StationTable;
    // short pairing-file lines are logged when the log is open.
    bool Validate(int daysInMonth, std::string_view stationTable, EventLog* log = nullptr);
    void ComputeCreditClass();

    // The object's fields only; the block file adds the framing. Writing always gives version 5;
    // reading an older version leaves the fields it lacks as they were.
    void WriteFields(ByteWriter& w) const;
    void ReadFields(ByteReader& r, std::uint32_t version);
};

// "%c%04d": base letter and pairing number.
std::string PairingLabel(const TPair& pairing);

} // namespace tq
