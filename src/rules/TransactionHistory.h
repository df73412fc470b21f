#pragma once
#include "model/Schedule.h"

#include <string>
#include <vector>

namespace tq {

class Workspace;

inline constexpr const char* kHistoryTitle = "Pairing Transaction History. Use F1 to Undo these Items";

// Undoes the newest transaction: an assignment is removed, a removal assigned again (with all its
// checks and questions). Neither the undone record nor the inverse's own record stays in the
// history; an inverse that is refused is reported ("Unable to UNDO that Transaction") and its
// record dropped. False (and a beep) when the history is empty.
bool Undo(Workspace& ws);

// One line per record, newest first: "Assign" or "Remove", the pairing number, the date of the
// record's day and the employee's name, separated by tabs. A record naming no pairing or line
// of the open month shows what it can.
std::vector<std::string> HistoryLines(const Schedule& schedule);

// The transaction history dialog.
void ShowHistory(Workspace& ws);

} // namespace tq
