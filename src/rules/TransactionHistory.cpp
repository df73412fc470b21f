#include "rules/TransactionHistory.h"

#include "platform/Format.h"
#include "rules/Assignment.h"
#include "shell/Workspace.h"

namespace tq {

bool Undo(Workspace& ws) {
    Schedule& s = ws.schedule;
    ws.LogLine("Undo\n");
    if (s.History.Empty()) {
        ws.Ui().Beep();
        return false;
    }
    const TransactionRecord record = s.History.Front();
    const int result = record.IsAssign == 1 ? RemovePair(ws, record.Employee, record.Pairing, record.Day)
                                            : AssignPair(ws, record.Employee, record.Pairing, record.Day);
    if (result == 0) {
        s.History.DropFront(); // the inverse's own record
        s.History.DropFront(); // the undone one
    } else {
        ws.Ui().ShowMessage("Unable to UNDO that Transaction", "Tarvelstrand", MessageIcon::None);
        s.History.DropFront();
    }
    return true;
}

std::vector<std::string> HistoryLines(const Schedule& s) {
    std::vector<std::string> lines;
    lines.reserve(s.History.Size());
    for (std::size_t i = 0; i < s.History.Size(); ++i) {
        const TransactionRecord& r = s.History.At(i);
        const int number = s.ValidPairingIndex(r.Pairing)
                               ? s.Pairings[static_cast<std::size_t>(r.Pairing)].PairingNumber
                               : 0;
        DayMonthYear date;
        if (r.Day >= 0 && r.Day < kMaxMonthDays) date = s.MonthDays[static_cast<std::size_t>(r.Day)];
        const std::string name = r.Employee >= 0 && r.Employee < kMaxEmployees
                                     ? s.Employees[static_cast<std::size_t>(r.Employee)].Name
                                     : std::string();
        lines.push_back(Format("%s\t%d\t%02d/%02d/%04d\t%s",
                               r.IsAssign == 1 ? static_cast<const char*>("Assign") : "Remove", number,
                               date.day, date.month, date.year, name));
    }
    return lines;
}

void ShowHistory(Workspace& ws) {
    ws.views.ShowHistory(HistoryLines(ws.schedule));
}

} // namespace tq
