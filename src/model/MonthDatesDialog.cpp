#include "model/MonthDatesDialog.h"

#include "model/Schedule.h"
#include "platform/UserInterface.h"

namespace tq {

MonthDatesDialog::MonthDatesDialog(Date today) {
    month_ = today.Valid() ? today.Month() : 1;
    year_ = today.Valid() ? today.Year() : 2000;
    ChangeMonth(1);
}

void MonthDatesDialog::Proposal(int month, int year, Date& start, Date& end) {
    start = Date::FromDmy(1, month, year);
    end = Date::FromDmy(Date::DaysInMonthOf(month, year), month, year);
    if (month == 1) end = end.AddDays(-1);
    if (month == 2) {
        start = start.AddDays(-1);
        end = end.AddDays(1);
    }
    if (month == 3) start = start.AddDays(1);
}

void MonthDatesDialog::ChangeMonth(int months) {
    int index = year_ * 12 + (month_ - 1) + months;
    year_ = index / 12;
    month_ = index % 12 + 1;
    Propose();
}

void MonthDatesDialog::Propose() {
    Proposal(month_, year_, start_, end_);
}

void MonthDatesDialog::SetDates(Date start, Date end) {
    start_ = start;
    end_ = end;
    if (start.Valid()) {
        month_ = start.AddDays(15).Month();
        year_ = start.AddDays(15).Year();
    }
}

bool MonthDatesDialog::Ok(Schedule& schedule, UserInterface& ui) const {
    const int days = Days();
    if (days >= 32) {
        ui.ShowMessage("The new Month cannot contain more than 31 days.", "Tarvelstrand");
        return false;
    }
    if (days < 1 || !start_.Valid() || !end_.Valid()) {
        ui.ShowMessage("The new Month cannot end before it starts.", "Tarvelstrand");
        return false;
    }
    if (!schedule.SetMonthDates(start_, end_)) return false;
    schedule.Modified = true;
    return true;
}

} // namespace tq
