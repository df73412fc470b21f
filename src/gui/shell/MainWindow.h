#pragma once
#include "files/IniFile.h"
#include "gui/platform/QtPlatform.h"
#include "platform/SystemClock.h"
#include "shell/CommandTable.h"
#include "shell/Workspace.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QMenu;
class QProgressBar;

namespace tq::gui {

class MainWindow;

// The desktop program's answer to the core's window hooks.
class DesktopViews : public Views {
public:
    explicit DesktopViews(MainWindow& window) : window_(window) {}
    void RepaintGrid() override;
    void OpenTimeChanged(int total, int open) override;
    void TimeBankChanged(std::string_view text) override;
    void StatusText(std::string_view text) override;
    void FileStateChanged() override;
    void CloseMainWindow() override;
    void ShowAbout() override;
    bool StartCalculator() override;
    bool EditSharedNotes(std::string& text) override;

private:
    MainWindow& window_;
};

// The main frame of the desktop program: caption, menus, control bar, status bar and the
// block grid as its client. It owns the platform objects and the workspace.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return ws_; }
    QProgressBar* openTimeGauge() const { return gauge_; }
    QLabel* timeBankText() const { return timeBank_; }

    // Runs a command as a menu item, a key or a control-bar button would.
    void Run(int cmd);
    // The menu bar follows the file state: "MENU_3" without a file, "MENU_1" with one.
    void RebuildMenus();
    void UpdateCaption();
    void ShowOpenTime(int total, int open);

private:
    void BuildControlBar();
    void BuildStatusBar();
    void BuildAccelerators();
    void AddEntries(QMenu* menu, std::span<const MenuEntry> entries);

    QtUserInterface ui_;
    SystemClock clock_;
    IniFileSettings settings_;
    QtClipboard clipboard_;
    XdgMailer mailer_;
    Platform platform_;
    ClosedEventLog log_;
    DesktopViews views_;
    Workspace ws_;

    QProgressBar* gauge_ = nullptr;
    QLabel* timeBank_ = nullptr;
};

} // namespace tq::gui
