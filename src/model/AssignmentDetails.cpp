#include "model/AssignmentDetails.h"

#include "model/Schedule.h"
#include "platform/Format.h"

namespace tq {

namespace {

constexpr int kFirstPriorDay = -kPriorWindowOffset;

std::string TimeText(int minutes) {
    return FormatTime(minutes, false, true);
}

bool DayInRange(int day) {
    return day >= kFirstPriorDay && day < kLineDays;
}

// "Jul 4": the short month name and day of month of month slot `day`. The month's own text
// would name the wrong month for its edge days (31 January in a February month) and for the
// slots after the month, so each day names its own month.
std::string MonthDayText(const Schedule& s, int day) {
    Date date = s.MonthDayDate(day);
    if (!date.Valid() && s.MonthDayDate(0).Valid()) date = s.MonthDayDate(0).AddDays(day);
    if (!date.Valid()) return Format("%s %d", s.MonthText, 0);
    return Format("%s %d", date.MonthName().substr(0, 3), date.Day());
}

// The stored value of an edit: unchanged text keeps the value it showed.
int EditedTime(const std::string& edited, int current, bool limit24) {
    if (edited == TimeText(current)) return current;
    const int minutes = ParseTime(edited, limit24);
    return minutes < 0 ? 0 : minutes;
}

} // namespace

std::optional<AssignmentDetails> OpenAssignmentDetails(const Schedule& s, int employee, int day) {
    if (!s.ValidEmployeeIndex(employee) || !DayInRange(day)) return std::nullopt;
    const TPilot& line = s.Employees[static_cast<std::size_t>(employee)];
    AssignmentDetails v;
    v.Caption = Format("%s Assignment Details", line.Name);
    if (day < 0) {
        const auto slot = static_cast<std::size_t>(day + kPriorWindowOffset);
        const DayMonthYear& date = s.PriorDays[slot];
        const auto& prior = line.PriorDay[slot];
        v.PreviousMonth = true;
        v.DateText = Format("%d %d %d", date.day, date.month, date.year);
        v.Code = line.PriorDayCode[slot];
        v.StartText = TimeText(prior[kPriorDutyStart]);
        v.LengthText = TimeText(prior[kPriorDutyLength]);
        v.CreditText = TimeText(prior[kPriorCredit]);
        v.HardTimeText = TimeText(prior[kPriorHard]);
        v.Reserve = prior[kPriorWorked] == 2;
        v.ContainsDuty = prior[kPriorWorked] != 0;
        v.CarsDuty = prior[kPriorCarsDuty] != 0;
        v.ExcludeCredit = false;
        return v;
    }
    const auto d = static_cast<std::size_t>(day);
    if (line.DayPairing[d] != kCodeOnDay) return std::nullopt;
    const auto& detail = line.DayDetail[d];
    v.DateText = MonthDayText(s, day);
    v.Code = line.DayCode[d];
    v.TrackingCode = line.DayText[d];
    v.StartText = TimeText(detail[kDetailStart]);
    v.LengthText = TimeText(detail[kDetailLength]);
    v.CreditText = TimeText(detail[kDetailCredit]);
    v.HardTimeText = TimeText(detail[kDetailHard]);
    v.Reserve = detail[kDetailReserve] != 0;
    v.ContainsDuty = detail[kDetailDuty] != 0;
    v.CarsDuty = detail[kDetailThirdFlag] != 0;
    v.ExcludeCredit = detail[kDetailCreditNotCounted] != 0;
    return v;
}

bool StoreAssignmentDetails(Schedule& s, int employee, int day, const AssignmentDetails& edited) {
    if (!s.ValidEmployeeIndex(employee) || day < 0 || day >= kLineDays) return false;
    TPilot& line = s.Employees[static_cast<std::size_t>(employee)];
    const auto d = static_cast<std::size_t>(day);
    if (line.DayPairing[d] != kCodeOnDay) return false;
    auto& detail = line.DayDetail[d];
    if (edited.StartText.empty()) {
        detail[kDetailStart] = 0;
        detail[kDetailLength] = 0;
    } else {
        detail[kDetailStart] = EditedTime(edited.StartText, detail[kDetailStart], true);
        detail[kDetailLength] = EditedTime(edited.LengthText, detail[kDetailLength], true);
    }
    detail[kDetailCredit] = EditedTime(edited.CreditText, detail[kDetailCredit], false);
    detail[kDetailHard] = EditedTime(edited.HardTimeText, detail[kDetailHard], true);
    detail[kDetailReserve] = edited.Reserve ? 1 : 0;
    detail[kDetailDuty] = edited.ContainsDuty ? 1 : 0;
    detail[kDetailThirdFlag] = edited.CarsDuty ? 1 : 0;
    detail[kDetailCreditNotCounted] = edited.ExcludeCredit ? 1 : 0;
    return true;
}

} // namespace tq
