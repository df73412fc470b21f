#include "gui/dialogs/MonthDialogs.h"

#include "gui/draw/QtCanvas.h"
#include "model/Schedule.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tq::gui {

namespace {
QString Q(std::string_view s) {
    return FromCp1252(s);
}

QPushButton* SmallButton(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setFixedWidth(36);
    return b;
}
} // namespace

MonthDatesWindow::MonthDatesWindow(MonthDatesDialog& dialog, Schedule& schedule, UserInterface& ui,
                                   QWidget* parent)
    : QDialog(parent), dialog_(dialog), schedule_(schedule), ui_(ui) {
    setWindowTitle(QString::fromLatin1(MonthDatesDialog::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    start_ = new QLabel(this);
    end_ = new QLabel(this);
    days_ = new QLabel(this);
    start_->setMinimumWidth(160);
    start_->setObjectName(QStringLiteral("StartDate"));
    end_->setObjectName(QStringLiteral("EndDate"));
    auto row = [&](int r, const QString& label, QLabel* value, auto move) {
        grid->addWidget(new QLabel(label, this), r, 0);
        QPushButton* back = SmallButton(QStringLiteral("<"), this);
        QPushButton* forward = SmallButton(QStringLiteral(">"), this);
        grid->addWidget(back, r, 1);
        grid->addWidget(value, r, 2, Qt::AlignCenter);
        grid->addWidget(forward, r, 3);
        connect(back, &QPushButton::clicked, this, [this, move] {
            move(-1);
            Refresh();
        });
        connect(forward, &QPushButton::clicked, this, [this, move] {
            move(1);
            Refresh();
        });
    };
    row(0, QStringLiteral("Start"), start_, [this](int d) { dialog_.MoveStart(d); });
    row(1, QStringLiteral("End"), end_, [this](int d) { dialog_.MoveEnd(d); });
    layout->addLayout(grid);

    auto* months = new QHBoxLayout;
    QPushButton* previous = SmallButton(QStringLiteral("<<"), this);
    QPushButton* next = SmallButton(QStringLiteral(">>"), this);
    months->addWidget(previous);
    months->addWidget(new QLabel(QStringLiteral("Change Month"), this), 1, Qt::AlignCenter);
    months->addWidget(next);
    connect(previous, &QPushButton::clicked, this, [this] {
        dialog_.ChangeMonth(-1);
        Refresh();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        dialog_.ChangeMonth(1);
        Refresh();
    });
    layout->addLayout(months);
    layout->addWidget(days_, 0, Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Refresh();
}

void MonthDatesWindow::Refresh() {
    start_->setText(Q(dialog_.StartText()));
    end_->setText(Q(dialog_.EndText()));
    days_->setText(QStringLiteral("%1 days").arg(dialog_.Days()));
}

void MonthDatesWindow::accept() {
    // A refused month keeps the dialog open; the core has said why.
    if (dialog_.Ok(schedule_, ui_)) QDialog::accept();
}

MonthRulesWindow::MonthRulesWindow(Schedule& schedule, QWidget* parent) : QDialog(parent), dialog_(schedule) {
    setWindowTitle(Q(dialog_.Caption()));
    auto* layout = new QVBoxLayout(this);
    QGroupBox* group = nullptr;
    QGridLayout* grid = nullptr;
    std::string_view currentGroup;
    int row = 0;
    for (const MonthRuleBar& bar : kMonthRuleBars) {
        if (!group || bar.group != currentGroup) {
            currentGroup = bar.group;
            group = new QGroupBox(Q(bar.group), this);
            grid = new QGridLayout(group);
            layout->addWidget(group);
            row = 0;
        }
        const std::size_t i = static_cast<std::size_t>(bar.rule);
        auto* scroll = new QScrollBar(Qt::Horizontal, group);
        scroll->setRange(bar.minimum, bar.maximum);
        scroll->setSingleStep(1);
        scroll->setPageStep(bar.pageStep);
        scroll->setMinimumWidth(220);
        scroll->setValue(dialog_.Position(bar.rule));
        auto* value = new QLabel(Q(dialog_.ValueText(bar.rule)), group);
        value->setMinimumWidth(50);
        grid->addWidget(new QLabel(Q(bar.label), group), row, 0);
        grid->addWidget(scroll, row, 1);
        grid->addWidget(value, row, 2);
        ++row;
        bars_[i] = scroll;
        values_[i] = value;
        const MonthRule rule = bar.rule;
        connect(scroll, &QScrollBar::valueChanged, this, [this, rule](int v) {
            dialog_.SetValue(rule, v); // stored at once, as the bar moves
            values_[static_cast<std::size_t>(rule)]->setText(Q(dialog_.ValueText(rule)));
        });
    }
    auto* note = new QLabel(QString::fromLatin1(MonthRulesDialog::kNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace tq::gui
