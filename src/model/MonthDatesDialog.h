#pragma once
#include "model/Date.h"

#include <string>

namespace tq {

class Schedule;
class UserInterface;

// The month dates dialog ("Set Start and End Dates for the New Month"): proposes the month after
// today's, lets the start and end move by a day ("<", ">") or to another month ("<<", ">>"), and on
// OK builds the month calendar of the schedule.
class MonthDatesDialog {
public:
    static constexpr const char* kCaption = "Set Start and End Dates for the New Month";

    explicit MonthDatesDialog(Date today);

    Date Start() const { return start_; }
    Date End() const { return end_; }
    std::string StartText() const { return start_.DisplayText(); }
    std::string EndText() const { return end_.DisplayText(); }
    int Days() const { return DaysBetween(start_, end_) + 1; }

    void MoveStart(int days) { start_ = start_.AddDays(days); }
    void MoveEnd(int days) { end_ = end_.AddDays(days); }
    // "<<" and ">>": the proposal for the month before or after the one shown.
    void ChangeMonth(int months);
    // Dates typed in elsewhere (the batch program's --from and --to).
    void SetDates(Date start, Date end);

    // OK: refuses a month of 32 days or more, or one that ends before it starts, with a message
    // (the dialog stays open); otherwise builds the calendar and the daylight-saving change.
    bool Ok(Schedule& schedule, UserInterface& ui) const;

    // The proposal for a month: day 1 to its last day; 1-30 January, 31 January to 1 March for
    // February, 2-31 March.
    static void Proposal(int month, int year, Date& start, Date& end);

private:
    void Propose();

    int month_ = 1, year_ = 2000; // the month proposed last
    Date start_, end_;
};

} // namespace tq
