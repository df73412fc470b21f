#include "gui/app/DesktopApp.h"
#include "gui/app/SingleInstance.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Without a display the program cannot show its window; say how to get one.
    const bool wantsScreenshot = [&] {
        for (int i = 1; i < argc; ++i)
            if (std::string_view(argv[i]).starts_with("--screenshot")) return true;
        return false;
    }();
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        if (!wantsScreenshot) {
            std::fprintf(stderr,
                         "tarvelstrand: no display. Run it under a virtual display with\n"
                         "  xvfb-run -a tarvelstrand [FILE]\n"
                         "or render the main window to a picture instead with\n"
                         "  tarvelstrand --screenshot window.png [FILE]\n");
            return 1;
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelstrand"));
    const tq::gui::DesktopOptions options = tq::gui::ParseDesktopArguments(QApplication::arguments());
    if (options.help) {
        std::printf("Usage: tarvelstrand [--screenshot FILE.png] [BLOCKFILE]\n"
                    "  BLOCKFILE          a block file (.tq2) or viewer file (.tqv) to open\n"
                    "  --screenshot FILE  render the main window to a PNG file and quit\n");
        return 0;
    }
    if (!options.problem.isEmpty()) {
        std::fprintf(stderr, "tarvelstrand: %s\n", options.problem.toLocal8Bit().constData());
        return 2;
    }
    tq::gui::QtUserInterface ui;
    // A picture of the window may be taken while the program runs; a second working copy may not.
    tq::gui::SingleInstance instance;
    if (options.screenshot.isEmpty() && !instance.Acquire()) {
        ui.ShowMessage("Tarvelstrand is Currently Running", "Tarvelstrand", tq::MessageIcon::Stop);
        return 0;
    }
    return tq::gui::RunGuarded([&] { return tq::gui::RunDesktop(options); }, ui);
}
