#pragma once
#include <string>
#include <string_view>

namespace tq {

class Schedule;
class UserInterface;
class Workspace;

// The toolbox definition file (.box): the codes the toolbox offers for one crew kind, the date of
// that code list and the airports table. Text, one value per line.
constexpr std::string_view kToolboxMagic = "TQToolBox";
constexpr int kToolboxCodeLines = 13;
constexpr int kToolboxAirportLines = 8;

// Fills the code table (the records of the schedule's crew kind, at most 300), ToolboxDate and
// StationTable from the whole text of a toolbox file, reporting what it cannot take:
// - a first line other than "TQToolBox": the built-in codes serve (CodeCount 0), date and
//   airports kept;
// - a code count below 1: no codes, airports kept; an airport count below 1: codes loaded,
//   airports kept (a count line the file lacks reads as 0);
// - a file that ends inside its announced code or airport records: ToolboxDate empty and
//   CodeCount 0; StationTable keeps the airports read whole before the end.
// Never reads past the end of the text.
void ParseToolboxText(Schedule& schedule, UserInterface& ui, std::string_view text);

// File / Import / "&ToolBox Items...": the file dialog "Load ToolBox Absences" in the folder of
// LastBoxPath, then the whole file through ParseToolboxText. The toolbox window is closed before
// and, on a built grid, opened again with the new codes. Unless the file could not be opened,
// the schedule is marked modified and the file's folder becomes LastBoxPath. Cancel changes
// nothing. True when a file was read (whatever it held).
bool LoadToolboxFile(Workspace& ws);

// The same load of a file already chosen.
bool LoadToolboxFile(Workspace& ws, const std::string& fileName);

} // namespace tq
