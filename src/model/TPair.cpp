#include "model/TPair.h"

#include "model/StationTable.h"
#include "platform/Format.h"

#include <algorithm>

namespace tq {

namespace {

constexpr int kDaySlots = kMaxMonthDays;

// The pairing days that the day arrays can hold.
int PairingDaysHeld(int lengthDays) {
    return std::clamp(lengthDays, 0, kDaySlots);
}

std::uint32_t AbsoluteStatus(int status) {
    const auto bits = static_cast<std::uint32_t>(status);
    return status < 0 ? 0u - bits : bits;
}

void WriteDays(ByteWriter& w, const DayInts& days) {
    for (int v : days) w.Int(v);
}

void ReadDays(ByteReader& r, DayInts& days) {
    for (int& v : days) v = r.Int();
}

// The duty-period records of the pairing-file lines: duty at columns 48-51, rest at 52-56, the
// layover station at 57-59.
void WalkDutyPeriods(TPair& p, std::string_view stationTable, EventLog* log) {
    p.DutyStartOfDay[0] = p.DutyStartTime;
    long long offset = 0; // minutes from report
    std::string_view text = p.PrgText;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line[0] != '3') continue;
        const int duty = GetInt(line, 47, 4, log);
        const int rest = GetInt(line, 51, 5, log);
        if (duty != 0) {
            offset += static_cast<long long>(duty) + rest;
            if (offset >= p.Tafb) break;
            const long long at = p.DutyStartTime + offset;
            const long long day = at / kMinutesPerDay;
            if (at < 0 || day >= kDaySlots) break;
            p.DutyStartOfDay[static_cast<std::size_t>(day)] = static_cast<int>(at % kMinutesPerDay);
        } else {
            const long long at = p.DutyStartTime + offset;
            const long long day = at / kMinutesPerDay;
            if (at < 0 || day >= kDaySlots) continue; // a layover outside the pairing's 31 days
            const std::string_view station = line.size() >= 59 ? line.substr(56, 3) : std::string_view();
            p.LayoverRest[static_cast<std::size_t>(day)] =
                rest - 60 - 2 * StationValueIn(stationTable, station);
        }
    }
}

} // namespace

TPair::TPair(Date created) : CreatedDate(created) {}

void TPair::Reset() {
    *this = TPair(CreatedDate);
}

bool TPair::Validate(int daysInMonth, std::string_view stationTable, EventLog* log) {
    ValidationMessage.clear();
    Valid = 1;
    DutyStartOfDay.fill(-1);
    LayoverRest.fill(0);

    // A release stored as 0 is 24:00 of the last day, not a release before 02:00.
    const int releaseTime = DutyEndTime == 0 ? kMinutesPerDay : DutyEndTime;
    CountedDays = LengthDays;
    if (releaseTime < 120 && LengthDays > 1) --CountedDays;

    if (PrgText.size() >= 114) {
        if (PrgText[112] == 'Y') OvernightDuty = 1;
    } else if (Tafb < 900 && DutyEndTime < DutyStartTime && DutyEndTime > 119) {
        OvernightDuty = 1;
    }

    const int days = PairingDaysHeld(LengthDays);
    long long creditSum = 0;
    for (int k = 0; k < days; ++k) creditSum += DailyCredit[static_cast<std::size_t>(k)];
    if (creditSum != TotalCredit) {
        ValidationMessage += "Credit for each Day does not add up to Total Credit\n";
        Valid = 0;
    }

    if (DutyEndTime == 0) DutyEndTime = kMinutesPerDay;
    if (DutyStartTime < 0 || DutyStartTime > kMinutesPerDay) {
        ValidationMessage += "Duty Start Time < 00:01 or > 24:00. ";
        Valid = 0;
    }
    if (LengthDays < 1 || LengthDays > kDaySlots) {
        ValidationMessage += "Pairing Length < 1 day or > 31 days. ";
        Valid = 0;
    }

    const int monthDays = std::clamp(daysInMonth, 0, kDaySlots);
    if (std::all_of(OperatesOn.begin(), OperatesOn.begin() + monthDays, [](int s) { return s == 0; })) {
        ValidationMessage += "Never Operates ";
        Valid = 0;
    }

    for (int k = 0; k < days; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (DailyCredit[i] < 0) ValidationMessage += Format("Daily Credit < 00:00 on Day %d. ", k + 1);
        if (DailyHardTime[i] < 0) ValidationMessage += Format("Daily HardTime < 00:00 on Day %d. ", k + 1);
        if (DailyStartTime[i] < 0 || DailyStartTime[i] > 1439)
            ValidationMessage += Format("Daily Start Time < 00:00 or > 23:59 on Day %d. ", k + 1);
        if (DailyDutyTime[i] < 0) ValidationMessage += Format("Daily Duty Time < 00:00 on Day %d. ", k + 1);
        if (DailyCredit[i] < 0 || DailyHardTime[i] < 0 || DailyStartTime[i] < 0 || DailyStartTime[i] > 1439 ||
            DailyDutyTime[i] < 0)
            Valid = 0;
    }

    UsaSegments = PairingText.find("USA SEGMENTS") != std::string::npos ? 1 : 0;
    WalkDutyPeriods(*this, stationTable, log);
    return Valid != 0;
}

void TPair::ComputeCreditClass() {
    int perDay = 0;
    if (OvernightDuty)
        perDay = TotalCredit;
    else if (CountedDays != 0)
        perDay = TotalCredit / CountedDays;
    CreditClass = perDay < 300 ? 0 : perDay < 360 ? 1 : perDay < 420 ? 2 : 3;
}

void TPair::WriteFields(ByteWriter& w) const {
    w.Int(DutyStartTime);
    w.Int(DutyEndTime);
    w.Int(TotalCredit);
    w.Byte(LengthDays);
    w.Int(Tafb);
    w.Int(PairingNumber);
    w.Bool(Valid != 0);
    for (int status : OperatesOn) w.U32(AbsoluteStatus(status)); // the crew-complement sign is never stored
    for (std::size_t k = 0; k < kDaySlots; ++k) {
        w.Int(DailyStartTime[k]);
        w.Int(DailyDutyTime[k]);
        w.Int(DailyCredit[k]);
        w.Int(DailyHardTime[k]);
    }
    w.Text(PairingText);
    w.Text(Stations);
    w.Int(FatigueUnits);
    w.Text(BaseEqp);
    w.U32(CreatedDate.Jdn());
    w.Text(CrewPosition);
    WriteDays(w, ExcludedCredit);
    w.Int(MinRestAfter);
    w.Text(PrgText);
    WriteDays(w, DayType);
}

void TPair::ReadFields(ByteReader& r, std::uint32_t version) {
    DutyStartTime = r.Int();
    DutyEndTime = r.Int();
    TotalCredit = r.Int();
    LengthDays = r.Byte();
    Tafb = r.Int();
    PairingNumber = r.Int();
    Valid = r.Bool() ? 1 : 0;
    ReadDays(r, OperatesOn);
    for (std::size_t k = 0; k < kDaySlots; ++k) {
        DailyStartTime[k] = r.Int();
        DailyDutyTime[k] = r.Int();
        DailyCredit[k] = r.Int();
        DailyHardTime[k] = r.Int();
    }
    PairingText = r.Text();
    Stations = r.Text();
    FatigueUnits = r.Int();
    BaseEqp = r.Text();
    CreatedDate = Date(r.U32());
    CrewPosition = r.Text();
    if (version > 1) ReadDays(r, ExcludedCredit);
    if (version > 2) MinRestAfter = r.Int();
    if (version > 3) PrgText = r.Text();
    if (version > 4) ReadDays(r, DayType);
}

std::string PairingLabel(const TPair& pairing) {
    // A pairing made without a base/equipment code has no letter; it shows its number alone
    // rather than a text cut short by a zero byte.
    if (pairing.BaseEqp.empty()) return Format("%04d", pairing.PairingNumber);
    return Format("%c%04d", pairing.BaseEqp[0], pairing.PairingNumber);
}

} // namespace tq
