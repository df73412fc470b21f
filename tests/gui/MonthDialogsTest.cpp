#include "gui/dialogs/MonthDialogs.h"
#include "model/Schedule.h"
#include "support/RecordingPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace tq;

class MonthDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void rulesBarsStoreAtOnce() {
        Schedule schedule;
        schedule.MonthText = "Jul";
        schedule.YearText = "2027";
        gui::MonthRulesWindow window(schedule, nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tarvelstrand - Setup Jul 2027"));
        QCOMPARE(window.Bar(MonthRule::MaxBlock)->value(), 4800);
        window.Bar(MonthRule::MaxBlock)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(schedule.MaxBlockCredit, 4860); // no OK needed
        QCOMPARE(window.ValueLabel(MonthRule::MaxBlock)->text(), QStringLiteral("81:00"));
        window.Bar(MonthRule::DaysOffReserve)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(schedule.DaysOffReserve, 1);
        QVERIFY(schedule.Modified);
    }

    void datesOkBuildsTheMonthAndARefusalKeepsTheDialog() {
        Schedule schedule;
        test::RecordingUi ui;
        MonthDatesDialog dialog(Date::FromDmy(11, 12, 2026));
        gui::MonthDatesWindow window(dialog, schedule, ui, nullptr);
        // December proposes 1-30 January of the next year.
        QCOMPARE(dialog.Start(), Date::FromDmy(1, 1, 2027));
        QCOMPARE(dialog.End(), Date::FromDmy(30, 1, 2027));
        for (int i = 0; i < 2; ++i) dialog.MoveEnd(1); // 1 January to 1 February: 32 days
        window.accept();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(ui.Messages(), (std::vector<std::string>{
                                    "[Tarvelstrand] The new Month cannot contain more than 31 days."}));
        dialog.MoveEnd(-1);
        window.accept();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(schedule.DaysInMonth, 31);
        QCOMPARE(schedule.MonthText, std::string("Jan"));
    }
};

QTEST_MAIN(MonthDialogsTest)
#include "MonthDialogsTest.moc"
