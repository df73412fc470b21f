#pragma once
#include "model/Schedule.h"

namespace tq {

// What one day slot of an employee line holds, as the rule checks read it. A pairing index that
// does not name a loaded pairing reads as an empty day, so that no rule follows a bad index.
struct LineDay {
    enum Kind : std::uint8_t { Empty, Pairing, Code };
    Kind kind = Empty;
    int pairingIndex = kNoPairing;
    const TPair* pairing = nullptr;
    // A code's details (DayDetail elements 0, 1, 2, 3, 4, 5, 6, 7).
    int start = 0, length = 0, credit = 0, hard = 0;
    bool reserve = false, duty = false, creditNotCounted = false, carsDuty = false;

    bool IsPairing() const { return kind == Pairing; }
    bool IsCode() const { return kind == Code; }
    bool IsDutyCode() const { return kind == Code && duty; }
};

inline LineDay ReadLineDay(const Schedule& schedule, const TPilot& line, int day) {
    LineDay result;
    if (day < 0 || day >= kLineDays) return result;
    const int slot = line.DayPairing[day];
    if (slot == kCodeOnDay) {
        const auto& detail = line.DayDetail[day];
        result.kind = LineDay::Code;
        result.start = detail[kDetailStart];
        result.length = detail[kDetailLength];
        result.credit = detail[kDetailCredit];
        result.hard = detail[kDetailHard];
        result.reserve = detail[kDetailReserve] != 0;
        result.duty = detail[kDetailDuty] != 0;
        result.creditNotCounted = detail[kDetailCreditNotCounted] != 0;
        result.carsDuty = detail[kDetailThirdFlag] != 0;
    } else if (slot >= 0 && schedule.ValidPairingIndex(slot) &&
               slot < static_cast<int>(schedule.Pairings.size())) {
        result.kind = LineDay::Pairing;
        result.pairingIndex = slot;
        result.pairing = &schedule.Pairings[static_cast<std::size_t>(slot)];
    }
    return result;
}

// Calendar days a pairing spans on the line, limited to the 31 day slots a pairing keeps.
inline int PairingDays(const TPair& pairing) {
    const int n = pairing.LengthDays;
    return n < kMaxMonthDays ? n : kMaxMonthDays;
}

// Days a pairing covers from its start day by its release: whole days of report + time away,
// and one more when the release falls at 02:00 or later.
inline int PairingCoverDays(const TPair& pairing) {
    const int end = pairing.DutyStartTime + pairing.Tafb;
    return end / kMinutesPerDay + (end % kMinutesPerDay >= 120 ? 1 : 0);
}

// Days a pairing marks as worked: (report + time away - 1) / 1440 + 1.
inline int PairingWorkedDays(const TPair& pairing) {
    return (pairing.DutyStartTime + pairing.Tafb - 1) / kMinutesPerDay + 1;
}

// Daylight saving for rules that follow reports in day order: a report at or after the month's
// change minute, when the previous report lay before it, is moved by the month's shift.
inline int AdjustReportForDst(const Schedule& schedule, int previousReport, int report) {
    if (schedule.DstShift != 0 && previousReport < schedule.DstChangeTime && report >= schedule.DstChangeTime)
        return report - schedule.DstShift;
    return report;
}

} // namespace tq
