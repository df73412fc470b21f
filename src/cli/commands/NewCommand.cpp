// tarvelstrand-cli new: an empty schedule for a month, crew type and file key.
#include "cli/CliApp.h"
#include "cli/ScheduleJson.h"
#include "model/NewMonth.h"
#include "platform/Cp1252.h"
#include "shell/Workspace.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace tq::cli {

namespace {

struct NewOptions {
    std::string from, to, crew, key, out;
};

std::optional<Date> DateOption(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    const Date date = Date::FromDmy(d, m, y);
    if (!date.Valid()) return std::nullopt;
    return date;
}

CrewTypeValue CrewOption(const std::string& crew) {
    if (crew == "fo") return kFirstOfficers;
    if (crew == "fa") return kCabinCrew;
    return kCaptains;
}

int RunNew(CliContext& context, const NewOptions& o) {
    const std::optional<Date> from = DateOption(o.from);
    const std::optional<Date> to = DateOption(o.to);
    if (!from || !to) {
        context.transcript << "tarvelstrand-cli: new: --from and --to take dates as YYYY-MM-DD\n";
        return kExitUsage;
    }
    Views views;
    ClosedEventLog log;
    Workspace ws(*context.platform, views, log);
    if (!MakeNewMonth(ws.schedule, ws.Ui(), *from, *to, CrewOption(o.crew), Utf8ToCp1252(o.key)))
        return kExitRefused;
    context.out << ScheduleMonthJson(ws.schedule).dump(2) << '\n';
    return kExitDone;
}

void RegisterNew(CLI::App& root, CliContext& context) {
    auto options = std::make_shared<NewOptions>();
    CLI::App* cmd = root.add_subcommand(
        "new", "An empty schedule for a month: the month dates dialog's OK for --from..--to (calendar, "
               "daylight-saving change), the crew type, the file key and the new-file month defaults. "
               "Prints the month as JSON. Refusals as in the dialogs, exit status 1.");
    cmd->add_option("--from", options->from, "First day of the month, YYYY-MM-DD")->required();
    cmd->add_option("--to", options->to, "Last day of the month, YYYY-MM-DD")->required();
    cmd->add_option("--crew", options->crew, "Crew type: ca captains, fo first officers, fa cabin crew")
        ->required()
        ->check(CLI::IsMember({"ca", "fo", "fa"}));
    cmd->add_option("--key", options->key,
                    "File key of 9 characters: base, equipment, crew position, base letter")
        ->required();
    cmd->add_option("-o", options->out,
                    "The new schedule's block file (not written by this build: it prints the month as JSON)")
        ->required();
    cmd->callback(
        [&context, options] { context.action = [&context, options] { return RunNew(context, *options); }; });
}

const CommandRegistration kRegisterNew("new", RegisterNew);

} // namespace

} // namespace tq::cli
