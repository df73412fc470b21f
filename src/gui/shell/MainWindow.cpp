#include "gui/shell/MainWindow.h"

#include "gui/draw/QtCanvas.h"
#include "platform/Cp1252.h"
#include "shell/Commands.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

// Resources of a static library are registered by hand.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace tq::gui {

namespace {
QString Q(std::string_view s) { return FromCp1252(s); }

// Hints of the control-bar buttons, shown in the status bar.
struct ControlButton {
    int cmd;
    const char* glyph;
    const char* hint;
};
constexpr ControlButton kControlButtons[] = {
    {kCmdNew, ":/icons/GLYPH_201.xpm", "Creates a new Tarvelstrand File"},
    {kCmdOpen, ":/icons/GLYPH_202.xpm", "Opens an existing Tarvelstrand File"},
    {kCmdSave, ":/icons/GLYPH_203.xpm", "Saves the Tarvelstrand Schedules"},
    {kCmdSaveAs, ":/icons/GLYPH_204.xpm", "Saves the Tarvelstrand Schedule with a new name"},
    {kCmdAbout, ":/icons/GLYPH_205.xpm", "Open an information dialog box"},
};
} // namespace

void DesktopViews::RepaintGrid() {
    if (QWidget* c = window_.centralWidget()) c->update();
}
void DesktopViews::OpenTimeChanged(int total, int open) { window_.ShowOpenTime(total, open); }
void DesktopViews::TimeBankChanged(std::string_view text) { window_.timeBankText()->setText(Q(text)); }
void DesktopViews::StatusText(std::string_view text) { window_.statusBar()->showMessage(Q(text)); }
void DesktopViews::FileStateChanged() {
    window_.RebuildMenus();
    window_.UpdateCaption();
}
void DesktopViews::CloseMainWindow() { window_.close(); }

void DesktopViews::ShowAbout() {
    QMessageBox box(&window_);
    box.setWindowTitle(QStringLiteral("About Tarvelstrand"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/icons/ICON_1.xpm")));
    box.setText(QStringLiteral("<b>Tarvelstrand</b>"));
    box.setInformativeText(QStringLiteral("Monthly block building for airline crew scheduling."));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool DesktopViews::StartCalculator() {
    for (const char* program : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) return QProcess::startDetached(path, {});
    }
    return false;
}

bool DesktopViews::EditSharedNotes(std::string& text) {
    QDialog dialog(&window_);
    dialog.setWindowTitle(QStringLiteral("Shared Notes for File"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QPlainTextEdit(&dialog);
    edit->setPlainText(Q(text));
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(520, 360);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = Utf8ToCp1252(edit->toPlainText().toUtf8().toStdString());
    return true;
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui_(this), settings_(IniFileSettings::DefaultPath()),
      platform_{ui_, clock_, settings_, clipboard_, mailer_}, views_(*this), ws_(platform_, views_, log_) {
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/ICON_1.xpm")));
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette p = client->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(p);
    setCentralWidget(client);

    BuildControlBar();
    BuildStatusBar();
    BuildAccelerators();
    RebuildMenus();
    UpdateCaption();
    resize(1280, 800);
}

MainWindow::~MainWindow() = default;

void MainWindow::Run(int cmd) { RunCommand(ws_, cmd); }

void MainWindow::UpdateCaption() { setWindowTitle(Q(FrameCaption(ws_))); }

void MainWindow::AddEntries(QMenu* menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& e : entries) {
        if (e.IsSeparator()) {
            menu->addSeparator();
        } else if (e.IsPopup()) {
            AddEntries(menu->addMenu(Q(e.caption)), e.children);
        } else {
            QString text = Q(e.caption);
            if (!e.key.empty()) text += QLatin1Char('\t') + Q(e.key);
            QAction* a = menu->addAction(text);
            a->setData(e.cmd);
            a->setCheckable(e.check != CheckRule::None);
            const MenuEntry* entry = &e;
            connect(a, &QAction::triggered, this, [this, entry] { Run(entry->cmd); });
        }
    }
    // Enabling and check marks are evaluated as the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->menu() || !a->data().isValid()) continue;
            if (const MenuEntry* e = FindMenuEntry(a->data().toInt())) {
                a->setEnabled(CommandEnabled(ws_, *e));
                if (a->isCheckable()) a->setChecked(CommandChecked(ws_, *e));
            }
        }
    });
}

void MainWindow::RebuildMenus() {
    menuBar()->clear();
    const auto entries = ws_.fileState == FileState::FileOpen ? FileOpenMenu() : NoFileMenu();
    for (const MenuEntry& top : entries) AddEntries(menuBar()->addMenu(Q(top.caption)), top.children);
}

void MainWindow::BuildControlBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Control Bar"));
    bar->setObjectName(QStringLiteral("ControlBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    for (const ControlButton& b : kControlButtons) {
        if (b.cmd == kCmdAbout) bar->addSeparator();
        QAction* a = bar->addAction(QIcon(QString::fromLatin1(b.glyph)), QString());
        a->setStatusTip(QString::fromLatin1(b.hint));
        a->setToolTip(QString::fromLatin1(b.hint));
        a->setData(b.cmd);
        const int cmd = b.cmd;
        connect(a, &QAction::triggered, this, [this, cmd] { Run(cmd); });
    }
    bar->addSeparator();
    gauge_ = new QProgressBar(bar);
    gauge_->setObjectName(QStringLiteral("OpenTimeGauge"));
    gauge_->setFixedSize(200, 20);
    gauge_->setRange(0, 1); // Qt shows 0..0 as "busy"; an empty month is an empty gauge
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setFormat(QStringLiteral("0000:00"));
    gauge_->setAlignment(Qt::AlignCenter);
    bar->addWidget(gauge_);
    timeBank_ = new QLabel(QStringLiteral(" TB 000:00"), bar);
    timeBank_->setObjectName(QStringLiteral("TimeBank"));
    timeBank_->setFixedSize(100, 15);
    timeBank_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(timeBank_);
}

void MainWindow::ShowOpenTime(int total, int open) {
    // Range 0..total with the open credit as the position. An empty month (0..0) is drawn as an
    // empty gauge, since Qt would animate a 0..0 range as "busy".
    const int top = std::max(1, total);
    gauge_->setRange(0, top);
    gauge_->setValue(std::clamp(open, 0, top));
    gauge_->setFormat(QString::asprintf("%04d:%02d", open / 60, open % 60));
}

void MainWindow::BuildStatusBar() {
    QFont f = MakeFont({.face = "MS Sans Serif", .height = 12, .width = 0, .weight = 700});
    statusBar()->setFont(f);
    statusBar()->setSizeGripEnabled(true);
}

void MainWindow::BuildAccelerators() {
    for (const Accelerator& a : Accelerators()) {
        auto* s = new QShortcut(QKeySequence(Q(a.key)), this);
        s->setContext(Qt::WindowShortcut);
        const int cmd = a.cmd;
        connect(s, &QShortcut::activated, this, [this, cmd] {
            if (const MenuEntry* e = FindMenuEntry(cmd); e ? CommandEnabled(ws_, *e) : CommandBound(cmd)) Run(cmd);
        });
    }
}

} // namespace tq::gui
