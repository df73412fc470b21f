#include "gui/app/DesktopApp.h"

#include "gui/shell/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace tq::gui {

DesktopOptions ParseDesktopArguments(const QStringList& arguments) {
    DesktopOptions o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--screenshot")) {
            if (i + 1 >= arguments.size()) {
                o.problem = QStringLiteral("--screenshot needs the name of a PNG file");
                return o;
            }
            o.screenshot = arguments[++i];
        } else if (a.startsWith(QLatin1String("--screenshot="))) {
            o.screenshot = a.mid(13);
        } else if (o.fileName.isEmpty()) {
            o.fileName = a;
        }
    }
    return o;
}

int RunGuarded(const std::function<int()>& run, UserInterface& ui) {
    try {
        return run();
    } catch (...) {
        ui.ShowMessage("Exception", "Tarvelstrand", MessageIcon::Stop);
        return -1;
    }
}

int RunDesktop(const DesktopOptions& options) {
    MainWindow window;
    if (!options.screenshot.isEmpty()) {
        window.show();
        QApplication::processEvents();
        if (!window.grab().save(options.screenshot, "PNG")) {
            std::fprintf(stderr, "tarvelstrand: cannot write %s\n", options.screenshot.toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }
    window.show();
    return QApplication::exec();
}

} // namespace tq::gui
