#pragma once
#include "model/MonthDatesDialog.h"
#include "model/MonthRulesDialog.h"

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;

namespace tq {
class Schedule;
class UserInterface;
} // namespace tq

namespace tq::gui {

// "Set Start and End Dates for the New Month": the window over the core dialog.
class MonthDatesWindow : public QDialog {
    Q_OBJECT
public:
    MonthDatesWindow(MonthDatesDialog& dialog, Schedule& schedule, UserInterface& ui, QWidget* parent);
    void accept() override;

private:
    void Refresh();
    MonthDatesDialog& dialog_;
    Schedule& schedule_;
    UserInterface& ui_;
    QLabel* start_ = nullptr;
    QLabel* end_ = nullptr;
    QLabel* days_ = nullptr;
};

// "Setup Month": one scroll bar per month rule; moving a bar stores its value at once.
class MonthRulesWindow : public QDialog {
    Q_OBJECT
public:
    MonthRulesWindow(Schedule& schedule, QWidget* parent);
    QScrollBar* Bar(MonthRule rule) const { return bars_[static_cast<std::size_t>(rule)]; }
    QLabel* ValueLabel(MonthRule rule) const { return values_[static_cast<std::size_t>(rule)]; }

private:
    MonthRulesDialog dialog_;
    std::array<QScrollBar*, kMonthRuleBars.size()> bars_{};
    std::array<QLabel*, kMonthRuleBars.size()> values_{};
};

} // namespace tq::gui
