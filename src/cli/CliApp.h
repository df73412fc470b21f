#pragma once
#include "cli/BatchPlatform.h"
#include "files/IniFile.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace tq::cli {

// Exit status of the batch program.
enum ExitCode : int { kExitDone = 0, kExitRefused = 1, kExitUsage = 2 };

// What every command sees: the global options, the batch platform and the output streams.
class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& transcript);

    // Global options, filled by the parser.
    std::string answers;
    std::string settingsPath;
    std::string logDir;
    std::string today; // YYYY-MM-DD
    std::string now;   // HH:MM

    std::ostream& out;        // results (JSON, result codes, clipboard texts)
    std::ostream& transcript; // messages, questions, lists

    BatchUi ui;
    SystemClock clock;
    BatchClipboard clipboard;
    BatchMailer mailer;
    std::unique_ptr<IniFileSettings> settings;
    std::unique_ptr<Platform> platform;

    // Applies the global options once the command line is parsed. Returns a usage message, or
    // empty when they are good.
    std::string Prepare();

    // The chosen command's work, set by its parser callback.
    std::function<int()> action;
};

using CommandRegistrar = void (*)(CLI::App& root, CliContext& context);

// Each command file registers its subcommand with a static object of this type.
struct CommandRegistration {
    CommandRegistration(const char* name, CommandRegistrar registrar);
};

// Parses the command line, runs the command and returns the exit status.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& transcript);

} // namespace tq::cli
