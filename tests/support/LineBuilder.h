#pragma once
#include "model/Schedule.h"

#include <memory>
#include <string>
#include <vector>

namespace tq::test {

// One duty day of a pairing: its duty start (minute of day), duty length, hard time and credit,
// and the layover rest that follows it (the rest before the next day's duty).
struct DutyDaySpec {
    int start = 0;
    int duty = 0;
    int hard = 0;
    int credit = 0;
    int layoverRest = 0;
};

// A pairing as a test writes it. Without `days` it is one duty day from report to release with
// the given hard time and credit. LengthDays follows from report + time away from base.
struct PairingSpec {
    int number = 1000;
    int report = 480; // DutyStartTime
    int tafb = 600;   // time away from base, report to release
    int hard = 300;   // of the single duty day
    int credit = 300; // of the single duty day; TotalCredit is the sum of the days' credits
    std::vector<DutyDaySpec> days;
    std::vector<int> operates; // month days on which it operates (open)
    std::string text;          // PairingText
    std::string baseEqp = "Z8";
    std::string crewPosition = "CA";
    int fatigue = 0;
    int minRestAfter = 660;
    bool overnight = false;
};

// A toolbox code placed on a day, as the imports place it.
struct CodeSpec {
    std::string code = "SIM";
    int start = 540;
    int length = 360;
    int credit = 0;
    int hard = 0;
    bool duty = true;
    bool reserve = false;
    bool cars = false;
    bool notCounted = false;
    std::string text; // DayText; the code itself when empty
};

// A small month for rule tests: a schedule of the given crew type over `days` days from `first`
// (July 2026 by default: 31 days, no daylight-saving change), with pairings and lines added one
// by one. Day arguments are month day indexes (0 = the month's first day).
class LineBuilder {
public:
    explicit LineBuilder(std::uint8_t crewType = kCaptains, Date first = Date::FromDmy(1, 7, 2026),
                         int days = 31)
        : owned_(std::make_unique<Schedule>(Date::FromDmy(1, 6, 2026))), schedule_(owned_.get()) {
        SetUp(crewType, first, days);
    }
    // Builds into a schedule someone else owns (a workspace's).
    LineBuilder(Schedule& schedule, std::uint8_t crewType = kCaptains, Date first = Date::FromDmy(1, 7, 2026),
                int days = 31)
        : schedule_(&schedule) {
        SetUp(crewType, first, days);
    }

    Schedule& schedule() { return *schedule_; }
    TPilot& line(int employee) { return schedule_->Employees[static_cast<std::size_t>(employee)]; }
    TPair& pairing(int index) { return schedule_->Pairings[static_cast<std::size_t>(index)]; }

    // Adds a pairing after the last one; it counts as loaded. Returns its index.
    int AddPairing(const PairingSpec& spec) {
        Schedule& s = *schedule_;
        const int index = ++s.LastPairingIndex;
        s.LastLoadedPairingIndex = index;
        TPair& p = pairing(index);
        p.Reset();
        p.PairingNumber = spec.number;
        p.DutyStartTime = spec.report;
        p.Tafb = spec.tafb;
        p.LengthDays = static_cast<std::uint8_t>((spec.report + spec.tafb - 1) / kMinutesPerDay + 1);
        const int end = (spec.report + spec.tafb) % kMinutesPerDay;
        p.DutyEndTime = end == 0 ? kMinutesPerDay : end;
        p.CountedDays = p.LengthDays;
        p.PairingText = spec.text;
        p.BaseEqp = spec.baseEqp;
        p.CrewPosition = spec.crewPosition;
        p.FatigueUnits = spec.fatigue;
        p.MinRestAfter = spec.minRestAfter;
        p.OvernightDuty = spec.overnight ? 1 : 0;
        p.Valid = 1;
        p.DutyStartOfDay.fill(-1);
        std::vector<DutyDaySpec> days = spec.days;
        if (days.empty()) days.push_back({spec.report, spec.tafb, spec.hard, spec.credit, 0});
        p.TotalCredit = 0;
        for (std::size_t k = 0; k < days.size() && k < kMaxMonthDays; ++k) {
            p.DailyStartTime[k] = days[k].start;
            p.DutyStartOfDay[k] = days[k].start;
            p.DailyDutyTime[k] = days[k].duty;
            p.DailyHardTime[k] = days[k].hard;
            p.DailyCredit[k] = days[k].credit;
            p.LayoverRest[k] = days[k].layoverRest;
            p.TotalCredit += days[k].credit;
        }
        for (int d : spec.operates) p.OperatesOn[static_cast<std::size_t>(d)] = kOpen;
        return index;
    }

    // Adds a copy of a pairing after the loaded ones (a two-captain seat), operating on one day.
    int AddCopy(int source, int day) {
        Schedule& s = *schedule_;
        const int index = ++s.LastPairingIndex;
        pairing(index).CopyFrom(pairing(source));
        pairing(index).OperatesOn.fill(0);
        pairing(index).OperatesOn[static_cast<std::size_t>(day)] = -kOpen;
        return index;
    }

    // Adds an employee line at the end of the roster. Returns its index.
    int AddLine(const std::string& name = "TEST LINE", int number = 0) {
        Schedule& s = *schedule_;
        const int index = s.EmployeeCount++;
        TPilot& l = line(index);
        l.Reset();
        l.Name = name;
        l.EmployeeNumber = number > 0 ? number : 1000 + index;
        return index;
    }

    // The line holds the pairing from `day`; the pairing's day becomes held.
    void Hold(int employee, int pairingIndex, int day) {
        line(employee).DayPairing[static_cast<std::size_t>(day)] = pairingIndex;
        int& status = pairing(pairingIndex).OperatesOn[static_cast<std::size_t>(day)];
        status = status < 0 ? -kHeld : kHeld;
    }

    // A one-day pairing held on `day`: report and release minute of the day, hard time.
    int HoldDuty(int employee, int day, int report, int release, int hard = 300, int credit = 300) {
        PairingSpec spec;
        spec.number = 2000 + schedule_->LastPairingIndex + 1;
        spec.report = report;
        spec.tafb = release - report;
        spec.hard = hard;
        spec.credit = credit;
        spec.operates = {day};
        const int index = AddPairing(spec);
        Hold(employee, index, day);
        return index;
    }

    void PlaceCode(int employee, int day, const CodeSpec& spec) {
        TPilot& l = line(employee);
        const auto d = static_cast<std::size_t>(day);
        l.DayPairing[d] = kCodeOnDay;
        l.DayCode[d] = spec.code;
        l.DayText[d] = spec.text.empty() ? spec.code : spec.text;
        l.DayDetail[d] = {};
        l.DayDetail[d][kDetailStart] = spec.start;
        l.DayDetail[d][kDetailLength] = spec.length;
        l.DayDetail[d][kDetailCredit] = spec.credit;
        l.DayDetail[d][kDetailHard] = spec.hard;
        l.DayDetail[d][kDetailReserve] = spec.reserve ? 1 : 0;
        l.DayDetail[d][kDetailDuty] = spec.duty ? 1 : 0;
        l.DayDetail[d][kDetailCreditNotCounted] = spec.notCounted ? 1 : 0;
        l.DayDetail[d][kDetailThirdFlag] = spec.cars ? 1 : 0;
    }

    // A day off: a code without duty.
    void PlaceDayOff(int employee, int day, const std::string& code = "OF") {
        PlaceCode(employee, day, {.code = code, .start = 0, .length = 0, .duty = false});
    }

    // A trip of the previous-month window (slots 0..30 before day 0, 31.. the month's days):
    // starting in `slot` at `start` for `tafb` minutes, each of its days worked with the given
    // duty start and length and hard time.
    void PriorTrip(int employee, int slot, int start, int tafb, int dutyLength, int hard = 0,
                   const std::string& code = "Z1234") {
        TPilot& l = line(employee);
        auto& first = l.PriorDay[static_cast<std::size_t>(slot)];
        first[kPriorStart] = start;
        first[kPriorTafb] = tafb;
        l.PriorDayCode[static_cast<std::size_t>(slot)] = code;
        const int days = (start + tafb - 1) / kMinutesPerDay + 1;
        for (int k = 0; k < days && slot + k < kLineDays; ++k) {
            auto& day = l.PriorDay[static_cast<std::size_t>(slot + k)];
            day[kPriorWorked] = 1;
            day[kPriorDutyStart] = k == 0 ? start : 480;
            day[kPriorHomeDutyStart] = day[kPriorDutyStart];
            day[kPriorDutyLength] = dutyLength;
            day[kPriorHard] = hard;
        }
    }

    // A worked code day of the previous-month window (reserve when `reserve`), counting as duty.
    void PriorCode(int employee, int slot, const std::string& code, int start, int length,
                   bool reserve = false, bool cars = true) {
        auto& day = line(employee).PriorDay[static_cast<std::size_t>(slot)];
        day[kPriorWorked] = reserve ? 2 : 1;
        day[kPriorDutyStart] = start;
        day[kPriorHomeDutyStart] = start;
        day[kPriorDutyLength] = length;
        day[kPriorCarsDuty] = cars ? 1 : 0;
        line(employee).PriorDayCode[static_cast<std::size_t>(slot)] = code;
    }

private:
    void SetUp(std::uint8_t crewType, Date first, int days) {
        schedule_->CrewType = crewType;
        schedule_->SetMonthDates(first, first.AddDays(days - 1));
        schedule_->LastLoadedPairingIndex = -1;
    }

    std::unique_ptr<Schedule> owned_;
    Schedule* schedule_ = nullptr;
};

// The items of a finding text ("+"-closed), for assertions.
inline std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('+', from);
        items.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
        if (end == std::string::npos) break;
        from = end + 1;
    }
    return items;
}

// The month day indexes whose flag is set.
inline std::vector<int> FlaggedDays(const std::array<std::uint8_t, kLineDays>& flags) {
    std::vector<int> days;
    for (int d = 0; d < kLineDays; ++d)
        if (flags[static_cast<std::size_t>(d)]) days.push_back(d);
    return days;
}

} // namespace tq::test
