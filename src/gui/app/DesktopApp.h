#pragma once
#include "platform/UserInterface.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tq::gui {

struct DesktopOptions {
    QString fileName;   // the block file named on the command line
    QString screenshot; // render the main window to this PNG file and quit
    bool help = false;
    QString problem;    // a usage problem, shown and refused
};

// The program's own arguments, after Qt has taken its own.
DesktopOptions ParseDesktopArguments(const QStringList& arguments);

// Runs the program and turns an exception that escapes it into the message "Exception"
// (caption "Tarvelstrand") and the exit code -1.
int RunGuarded(const std::function<int()>& run, UserInterface& ui);

// Builds the main window and runs the message loop; returns the exit code.
int RunDesktop(const DesktopOptions& options);

} // namespace tq::gui
