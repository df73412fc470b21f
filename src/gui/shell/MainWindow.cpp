#include "gui/shell/MainWindow.h"

#include <QPalette>
#include <QWidget>

namespace tq::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tarvelstrand"));
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette p = client->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(p);
    setCentralWidget(client);
    resize(1280, 800);
}

} // namespace tq::gui
