#pragma once
#include "model/ByteStream.h"
#include "model/Time.h"

#include <array>
#include <cstdint>
#include <string>

namespace tq {

using LineInts = std::array<int, kLineDays>;
using LineBytes = std::array<std::uint8_t, kLineDays>;
using LineTexts = std::array<std::string, kLineDays>;
using LineDetails = std::array<std::array<int, 10>, kLineDays>;

constexpr int kNoPairing = -1;  // DayPairing: nothing on the day
constexpr int kCodeOnDay = -2;  // DayPairing: a toolbox code
constexpr int kPriorHardDays = 89;

// DayDetail elements of a code day.
enum DayDetailItem : int {
    kDetailStart = 0, kDetailLength = 1, kDetailCredit = 2, kDetailHard = 3, kDetailReserve = 4,
    kDetailDuty = 5, kDetailCreditNotCounted = 6, kDetailThirdFlag = 7,
};
// PriorDay elements of a previous-month window day.
enum PriorDayItem : int {
    kPriorStart = 0, kPriorTafb = 1, kPriorDutyStart = 2, kPriorDutyLength = 3, kPriorCredit = 4,
    kPriorHard = 5, kPriorWorked = 6, kPriorCarsDuty = 8, kPriorHomeDutyStart = 9,
};

// One employee's line of work for the month (a "block").
class TPilot {
public:
    static constexpr std::uint32_t kStreamVersion = 3;

    TPilot();

    // Identity and texts
    std::string Name, Phone1, Phone2, QuickNotes;
    int EmployeeNumber = 0; // -1: a pseudo line that the rule checks skip
    int ReservedAfterNumber = 0;
    std::string SavedFilters, BidText, Qualifications, PriorHardTimeText;
    std::string ExceptionText, WarningText, DutyRuleText; // not stored

    // Month slots
    LineInts DayPairing{};
    LineTexts DayCode, DayText;
    LineDetails DayDetail{};
    LineBytes DayOffRequest{};
    LineBytes DayLocked{};
    LineBytes DayException{}, DayWarning{}; // not stored

    // Previous-month window slots (0..30 before day 0, 31..61 month days 0..30)
    LineDetails PriorDay{};
    LineTexts PriorDayCode;

    // The 20-integer block, by slot
    int CreditCarriedIn = 0;   // 0
    int LegalCheckIn = 0;      // 1
    int FatigueCarriedIn = 0;  // 2
    int BlockComplete = 0;     // 4
    int MinBlockOverride = 0;  // 5
    int MaxBlockOverride = 0;  // 6
    int MinDaysOffOverride = 0;// 7
    int SpecialQual = 0;       // 8: 1 LTC, 2 Check B, 3 Checker, 4 LTC and TP
    int AgeMedFlags = 0;       // 9: 1 65+, 2 Med, 3 both; cabin crew: 1 French qualified
    int TrnFlag = 0;           // 10
    int NoTz = 0;              // 11
    int NoYcg = 0;             // 12
    std::array<int, 8> ReservedBlock{}; // slots 3 and 13..19, kept as read

    int DraftCredits = 0;
    int ReservedAfterDraft = 0;
    int ExtraCredits = 0;
    int TimeBank = 0;
    int TrainingAtHome = 0;
    bool TrainingOutsideW = false;
    std::uint8_t BidReserveOrLoa = 0;
    std::uint8_t CreditHours = 0;
    std::uint8_t CreditMinutes = 0;

    // Working state (not stored)
    bool OnLeaveAllMonth = false;
    std::array<int, kPriorHardDays> PriorHardTime{};
    std::array<std::array<int, 3>, kTimelineDays> DutyTotals{}; // [day + 31]: daily, 7-day, 28-day duty
    bool BelowLastBlockHolder = false;
    bool RecheckDone = true;
    bool ExportMark = true;
    bool ClipMark = false;
    int TimeBankCodeCredit = 0;
    int AlbCodeCredit = 0;
    // The last credit total in minutes; CreditHours and CreditMinutes keep it in the file's two
    // bytes, which hold neither a negative total nor one of 256 hours or more.
    int CreditTotalMinutes = 0;
    std::array<std::uint8_t, 100> CheckScratch{};

    void Reset();
    void CopyFrom(const TPilot& other) { *this = other; }

    // Counts the leave codes of the month days; sets OnLeaveAllMonth.
    void UpdateOnLeaveAllMonth(int daysInMonth);
    // Parses PriorHardTimeText (89 four-digit numbers) when it is long enough.
    void ParsePriorHardTime();

    int Block20(int slot) const;
    void SetBlock20(int slot, int value);

    void WriteFields(ByteWriter& w) const;
    void ReadFields(ByteReader& r, std::uint32_t version);
};

} // namespace tq
