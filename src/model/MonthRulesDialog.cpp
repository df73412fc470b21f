#include "model/MonthRulesDialog.h"

#include "model/Schedule.h"
#include "platform/Format.h"

#include <algorithm>

namespace tq {

const MonthRuleBar& MonthRulesDialog::BarOf(MonthRule rule) {
    return kMonthRuleBars[static_cast<std::size_t>(rule)];
}

int& MonthRulesDialog::Field(MonthRule rule) const {
    switch (rule) {
    case MonthRule::AvgBlock:
        return schedule_.AvgBlockCredit;
    case MonthRule::MaxBlock:
        return schedule_.MaxBlockCredit;
    case MonthRule::MinBlock:
        return schedule_.MinBlockCredit;
    case MonthRule::CheckPilotMaxHours:
        return schedule_.CheckPilotMaxHours;
    case MonthRule::DaysOffBlockHolder:
        return schedule_.DaysOffBlockHolder;
    case MonthRule::DaysOffReserve:
        return schedule_.DaysOffReserve;
    case MonthRule::ReducedMaxBlock:
        return schedule_.ReducedMaxBlock;
    case MonthRule::ReducedMinBlock:
        return schedule_.ReducedMinBlock;
    case MonthRule::ReducedMinDaysOff:
        break;
    }
    return schedule_.ReducedMinDaysOff;
}

std::string MonthRulesDialog::Caption() const {
    return Format("Tarvelstrand - Setup %s %s", schedule_.MonthText, schedule_.YearText);
}

int MonthRulesDialog::Value(MonthRule rule) const {
    return Field(rule);
}

std::string MonthRulesDialog::ValueText(MonthRule rule) const {
    const int v = Value(rule);
    return BarOf(rule).time ? FormatTime(v, false, true) : Format("%d", v);
}

int MonthRulesDialog::Position(MonthRule rule) const {
    const MonthRuleBar& bar = BarOf(rule);
    return std::clamp(Value(rule), bar.minimum, bar.maximum);
}

void MonthRulesDialog::SetValue(MonthRule rule, int value) {
    const MonthRuleBar& bar = BarOf(rule);
    Field(rule) = std::clamp(value, bar.minimum, bar.maximum);
    schedule_.Modified = true;
}

void MonthRulesDialog::Scroll(MonthRule rule, ScrollMove move) {
    const int page = BarOf(rule).pageStep;
    const int step = move == ScrollMove::LineUp     ? -1
                     : move == ScrollMove::LineDown ? 1
                     : move == ScrollMove::PageUp   ? -page
                                                    : page;
    SetValue(rule, Position(rule) + step);
}

} // namespace tq
