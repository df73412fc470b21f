#include "rules/ExceptionsReport.h"

#include "rules/LineChecks.h"
#include "shell/Workspace.h"

#include <algorithm>
#include <string_view>

namespace tq {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// One report line per item ("+"-closed) of a finding text, after the line's prefix.
void AppendItems(std::vector<std::string>& lines, const std::string& prefix, std::string_view text) {
    while (!text.empty()) {
        const auto end = text.find('+');
        const std::string_view item = text.substr(0, end);
        lines.push_back(prefix + std::string(item));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

std::string PrefixOf(const Schedule& schedule, int employee) {
    return std::to_string(employee + 1) + "  " + schedule.Employees[At(employee)].Name + ": ";
}

// Steps of one rule version: the exceptions under `exceptionsHead`, then the warnings.
void AppendPass(std::vector<std::string>& lines, Schedule& schedule, bool oldDutyRules,
                const char* exceptionsHead, const char* warningsHead) {
    const bool captains = schedule.CrewType == kCaptains;
    const int count = std::min(schedule.EmployeeCount, static_cast<int>(schedule.Employees.size()));
    lines.emplace_back(exceptionsHead);
    lines.emplace_back();
    for (int e = 0; e < count; ++e) {
        CheckEmployeeLine(schedule, e, oldDutyRules);
        if (captains) TwoCaptainRule(schedule, oldDutyRules);
        const std::string& text = schedule.Employees[At(e)].ExceptionText;
        if (!text.empty()) AppendItems(lines, PrefixOf(schedule, e), text);
    }
    lines.emplace_back();
    lines.emplace_back(warningsHead);
    lines.emplace_back();
    for (int e = 0; e < count; ++e) {
        if (captains) TwoCaptainRule(schedule, oldDutyRules);
        const std::string& text = schedule.Employees[At(e)].WarningText;
        if (!text.empty()) AppendItems(lines, PrefixOf(schedule, e), text);
    }
}

} // namespace

std::vector<std::string> BuildExceptionsReport(Schedule& schedule) {
    std::vector<std::string> lines;
    AppendPass(lines, schedule, false, "------- EXCEPTIONS -------", "------ WARNINGS  ------");
    lines.emplace_back();
    lines.emplace_back(50, '=');
    lines.emplace_back();
    AppendPass(lines, schedule, true, "------- EXCEPTIONS USING OLD RULE CHECKING -------",
               "------ WARNINGS USING OLD RULE CHECKING ------");
    // Leave the current rules' findings on every line, the two-captain rule's included.
    CheckAllLines(schedule, false);
    if (schedule.CrewType == kCaptains) TwoCaptainRule(schedule, false);
    return lines;
}

void ShowExceptionsReport(Workspace& workspace) {
    const std::vector<std::string> lines = BuildExceptionsReport(workspace.schedule);
    workspace.views.RepaintGrid();
    workspace.views.ShowExceptionsReport(lines);
}

void CopyReportToClipboard(Workspace& workspace, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    const bool copied = workspace.platform.clipboard.SetText(text);
    workspace.Ui().Ask(copied ? "Copied to Windows Clipboard." : "Error Copying to Windows Clipboard.",
                       "Tarvelstrand", Buttons::OkCancel, MessageIcon::None);
}

} // namespace tq
