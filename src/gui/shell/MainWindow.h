#pragma once
#include <QMainWindow>

namespace tq::gui {

// The main frame of the desktop program: caption, menus, control bar, status bar and the
// block grid as its client.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace tq::gui
