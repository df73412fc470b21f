#include "cli/CliApp.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

namespace tq::cli {

namespace {
struct Registered {
    const char* name;
    CommandRegistrar registrar;
};
std::vector<Registered>& Registry() {
    static std::vector<Registered> registry;
    return registry;
}

bool ParseDate(const std::string& text, LocalDateTime& t) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return false;
    if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1900 || y > 9999) return false;
    t.year = y;
    t.month = m;
    t.day = d;
    return true;
}

bool ParseClock(const std::string& text, LocalDateTime& t) {
    int h = 0, mi = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d%c", &h, &mi, &tail) != 2) return false;
    if (h < 0 || h > 23 || mi < 0 || mi > 59) return false;
    t.hour = h;
    t.minute = mi;
    t.second = 0;
    return true;
}
} // namespace

CommandRegistration::CommandRegistration(const char* name, CommandRegistrar registrar) {
    Registry().push_back({name, registrar});
}

CliContext::CliContext(std::ostream& o, std::ostream& t) : out(o), transcript(t), ui(t), mailer(t) {}

std::string CliContext::Prepare() {
    if (!ui.SetAnswers(answers)) return "--answers takes a comma-separated list of y, n and c";
    if (!today.empty() || !now.empty()) {
        LocalDateTime fixed = SystemClock().Now();
        if (!today.empty() && !ParseDate(today, fixed)) return "--today takes a date as YYYY-MM-DD";
        if (!now.empty() && !ParseClock(now, fixed)) return "--now takes a time as HH:MM";
        clock.fixed = fixed;
    }
    settings = std::make_unique<IniFileSettings>(settingsPath.empty() ? IniFileSettings::DefaultPath()
                                                                      : std::filesystem::path(settingsPath));
    platform = std::make_unique<Platform>(Platform{ui, clock, *settings, clipboard, mailer});
    return {};
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& transcript) {
    CliContext context(out, transcript);
    CLI::App app{"tarvelstrand-cli: the batch interface of Tarvelstrand.\n"
                 "Every command that changes a schedule reads FILE and writes the result to -o OUT.\n"
                 "Messages (! [CAPTION] TEXT), questions with their answers (? [CAPTION] TEXT -> y) and\n"
                 "list lines (= [TITLE] LINE) go to standard error; results go to standard output.\n"
                 "A file the desktop program would hand to the mail client is named on standard error\n"
                 "as '> mail FILE'; the batch program starts no mail client.\n"
                 "Exit status: 0 done (also with findings), 1 refused or failed, 2 usage error.",
                 "tarvelstrand-cli"};
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--answers", context.answers,
                   "Answers to the questions asked, in order: comma-separated y, n, c; then y");
    app.add_option("--settings", context.settingsPath, "Settings file to use instead of the user's tqplan.ini");
    app.add_option("--log-dir", context.logDir, "Switch the event log on and write it in DIR");
    app.add_option("--today", context.today, "The date taken as today, YYYY-MM-DD");
    app.add_option("--now", context.now, "The time taken as now, HH:MM");

    auto& registry = Registry();
    std::sort(registry.begin(), registry.end(),
              [](const Registered& a, const Registered& b) { return std::string_view(a.name) < b.name; });
    for (const auto& r : registry) r.registrar(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        out << app.help();
        return kExitDone;
    } catch (const CLI::CallForAllHelp& e) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitDone;
    } catch (const CLI::ParseError& e) {
        transcript << "tarvelstrand-cli: " << e.what() << "\n";
        transcript << "Run 'tarvelstrand-cli --help' for the commands.\n";
        return kExitUsage;
    }
    if (std::string problem = context.Prepare(); !problem.empty()) {
        transcript << "tarvelstrand-cli: " << problem << "\n";
        return kExitUsage;
    }
    if (!context.action) {
        transcript << "tarvelstrand-cli: no command given\n";
        return kExitUsage;
    }
    return context.action();
}

} // namespace tq::cli
