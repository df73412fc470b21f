#pragma once
#include "model/Schedule.h"

#include <string>
#include <vector>

namespace tq {

class Workspace;

// The lines of the exceptions and warnings report: every exception and warning item of every
// line, first under the current duty-time rules, then under their previous version. Every line
// is checked three times (current, previous, current again), so that afterwards the schedule's
// findings are those of the current rules.
std::vector<std::string> BuildExceptionsReport(Schedule& schedule);

// The report dialog: builds the list and shows it.
void ShowExceptionsReport(Workspace& workspace);

// "Copy to Windows Clipboard": every line followed by CR LF, as plain text, with the message
// "Copied to Windows Clipboard." or "Error Copying to Windows Clipboard.".
void CopyReportToClipboard(Workspace& workspace, const std::vector<std::string>& lines);

} // namespace tq
