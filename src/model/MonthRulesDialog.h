#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tq {

class Schedule;

enum class MonthRule {
    AvgBlock,
    MaxBlock,
    MinBlock,
    CheckPilotMaxHours,
    DaysOffBlockHolder,
    DaysOffReserve,
    ReducedMaxBlock,
    ReducedMinBlock,
    ReducedMinDaysOff,
};

// One scroll bar of the month rules dialog ("Setup Month").
struct MonthRuleBar {
    MonthRule rule;
    std::string_view group; // group box; the check-pilot bar has its own
    std::string_view label;
    int minimum, maximum;
    int pageStep;
    bool time; // shown "%02d:%02d", else as a number of days
};

inline constexpr std::array<MonthRuleBar, 9> kMonthRuleBars = {{
    {MonthRule::AvgBlock, "Blocking Rules", "Avg", 3000, 6000, 60, true},
    {MonthRule::MaxBlock, "Blocking Rules", "Max", 3000, 7200, 60, true},
    {MonthRule::MinBlock, "Blocking Rules", "Min", 0, 6000, 60, true},
    {MonthRule::CheckPilotMaxHours, "Check Pilot Max Hours", "", 1800, 7200, 60, true},
    {MonthRule::DaysOffBlockHolder, "Days Off Required", "Block Holder", 0, 14, 1, false},
    {MonthRule::DaysOffReserve, "Days Off Required", "Reserve", 0, 14, 1, false},
    {MonthRule::ReducedMaxBlock, "Reduced Blocks Defaults.", "Max", 1800, 7200, 60, true},
    {MonthRule::ReducedMinBlock, "Reduced Blocks Defaults.", "Min", 0, 6000, 60, true},
    {MonthRule::ReducedMinDaysOff, "Reduced Blocks Defaults.", "Min Days Off", 0, 30, 1, false},
}};

enum class ScrollMove { LineUp, LineDown, PageUp, PageDown };

// The month rules dialog: each rule a scroll bar with its value beside it; moving a bar stores
// the value in the schedule at once.
class MonthRulesDialog {
public:
    static constexpr const char* kNote =
        "Set these values before selecting Reduced Block in the employee info dialog as no change is made "
        "until reduced block is reselected.";

    explicit MonthRulesDialog(Schedule& schedule) : schedule_(schedule) {}

    std::string Caption() const; // "Tarvelstrand - Setup %s %s"
    int Value(MonthRule rule) const;
    std::string ValueText(MonthRule rule) const;
    // Where the bar stands: the value held within the bar's range.
    int Position(MonthRule rule) const;
    // Stores the value limited to the bar's range and marks the schedule changed.
    void SetValue(MonthRule rule, int value);
    // An arrow moves a bar by 1, a click beside the thumb by its page step.
    void Scroll(MonthRule rule, ScrollMove move);

    static const MonthRuleBar& BarOf(MonthRule rule);

private:
    int& Field(MonthRule rule) const;
    Schedule& schedule_;
};

} // namespace tq
