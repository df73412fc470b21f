#include "model/TPilot.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tq {

namespace {

constexpr std::array<std::string_view, 9> kLeaveCodes = {"LOA", "PSD", "UTF", "MAT", "MED",
                                                         "WCB", "LTD", "PWC", "MOD"};

constexpr int kBlock20Size = 20;
constexpr int kBlock20Version1Size = 10;

bool IsLeaveCode(std::string_view code) {
    return std::find(kLeaveCodes.begin(), kLeaveCodes.end(), code) != kLeaveCodes.end();
}

} // namespace

TPilot::TPilot() {
    DayPairing.fill(kNoPairing);
}

void TPilot::Reset() {
    *this = TPilot();
}

void TPilot::UpdateOnLeaveAllMonth(int daysInMonth) {
    const int days = std::clamp(daysInMonth, 0, kMaxMonthDays);
    int count = 0;
    for (int d = 0; d < days; ++d)
        if (IsLeaveCode(DayCode[static_cast<std::size_t>(d)])) ++count;
    // A month without days holds no leave.
    OnLeaveAllMonth = days > 0 && count >= days;
}

void TPilot::ParsePriorHardTime() {
    if (PriorHardTimeText.size() < 4 * kPriorHardDays) return;
    for (int i = 0; i < kPriorHardDays; ++i)
        PriorHardTime[static_cast<std::size_t>(i)] = GetInt(PriorHardTimeText, 4 * i, 4);
}

int TPilot::Block20(int slot) const {
    switch (slot) {
    case 0:
        return CreditCarriedIn;
    case 1:
        return LegalCheckIn;
    case 2:
        return FatigueCarriedIn;
    case 3:
        return ReservedBlock[0];
    case 4:
        return BlockComplete;
    case 5:
        return MinBlockOverride;
    case 6:
        return MaxBlockOverride;
    case 7:
        return MinDaysOffOverride;
    case 8:
        return SpecialQual;
    case 9:
        return AgeMedFlags;
    case 10:
        return TrnFlag;
    case 11:
        return NoTz;
    case 12:
        return NoYcg;
    default:
        if (slot >= 13 && slot < kBlock20Size) return ReservedBlock[static_cast<std::size_t>(slot - 12)];
        return 0;
    }
}

void TPilot::SetBlock20(int slot, int value) {
    switch (slot) {
    case 0:
        CreditCarriedIn = value;
        break;
    case 1:
        LegalCheckIn = value;
        break;
    case 2:
        FatigueCarriedIn = value;
        break;
    case 3:
        ReservedBlock[0] = value;
        break;
    case 4:
        BlockComplete = value;
        break;
    case 5:
        MinBlockOverride = value;
        break;
    case 6:
        MaxBlockOverride = value;
        break;
    case 7:
        MinDaysOffOverride = value;
        break;
    case 8:
        SpecialQual = value;
        break;
    case 9:
        AgeMedFlags = value;
        break;
    case 10:
        TrnFlag = value;
        break;
    case 11:
        NoTz = value;
        break;
    case 12:
        NoYcg = value;
        break;
    default:
        if (slot >= 13 && slot < kBlock20Size) ReservedBlock[static_cast<std::size_t>(slot - 12)] = value;
        break;
    }
}

void TPilot::WriteFields(ByteWriter& w) const {
    w.Text(Name);
    w.Text(Phone1);
    w.Text(Phone2);
    w.Text(QuickNotes);
    w.Int(EmployeeNumber);
    w.Int(ReservedAfterNumber);
    for (std::size_t d = 0; d < kLineDays; ++d) {
        w.Int(DayPairing[d]);
        w.Byte(DayOffRequest[d]);
        w.Byte(DayLocked[d]);
        w.Text(DayCode[d]);
        w.Text(DayText[d]);
        w.Text(PriorDayCode[d]);
        for (std::size_t j = 0; j < 10; ++j) {
            w.Int(PriorDay[d][j]);
            w.Int(DayDetail[d][j]);
        }
    }
    w.Text(SavedFilters);
    w.Text(BidText);
    w.Text(Qualifications);
    for (int slot = 0; slot < kBlock20Size; ++slot) w.Int(Block20(slot));
    w.Byte(BidReserveOrLoa);
    w.Byte(CreditHours);
    w.Byte(CreditMinutes);
    w.Int(DraftCredits);
    w.Int(ReservedAfterDraft);
    w.Int(ExtraCredits);
    w.Int(TimeBank);
    w.Int(TrainingAtHome);
    w.Bool(TrainingOutsideW);
    w.Text(PriorHardTimeText);
}

void TPilot::ReadFields(ByteReader& r, std::uint32_t version) {
    Name = r.Text();
    Phone1 = r.Text();
    Phone2 = r.Text();
    QuickNotes = r.Text();
    EmployeeNumber = r.Int();
    ReservedAfterNumber = r.Int();
    for (std::size_t d = 0; d < kLineDays; ++d) {
        DayPairing[d] = r.Int();
        DayOffRequest[d] = r.Byte();
        DayLocked[d] = r.Byte();
        DayCode[d] = r.Text();
        DayText[d] = r.Text();
        PriorDayCode[d] = r.Text();
        for (std::size_t j = 0; j < 10; ++j) {
            PriorDay[d][j] = r.Int();
            DayDetail[d][j] = r.Int();
        }
    }
    SavedFilters = r.Text();
    BidText = r.Text();
    Qualifications = r.Text();
    const int blockSize = version > 1 ? kBlock20Size : kBlock20Version1Size;
    for (int slot = 0; slot < blockSize; ++slot) SetBlock20(slot, r.Int());
    BidReserveOrLoa = r.Byte();
    CreditHours = r.Byte();
    CreditMinutes = r.Byte();
    DraftCredits = r.Int();
    ReservedAfterDraft = r.Int();
    ExtraCredits = r.Int();
    if (version > 1) {
        TimeBank = r.Int();
        TrainingAtHome = r.Int();
        TrainingOutsideW = r.Bool();
    }
    if (version > 2) PriorHardTimeText = r.Text();
}

} // namespace tq
