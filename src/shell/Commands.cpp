#include "shell/Commands.h"

#include "imports/PairingLoadDialog.h"
#include "imports/ToolboxFile.h"
#include "rules/ExceptionsReport.h"
#include "rules/TransactionHistory.h"
#include "shell/BuildBlocks.h"
#include "shell/Workspace.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
// Commands whose action exists. Each subsystem adds its commands here as it is built.
constexpr std::array kBound = {
    kCmdExit,        kCmdAbout,       kCmdKeyboardShortcuts,     kCmdCalculator,
    kCmdSharedNotes, kCmdBuildBlocks, kCmdWarningsAndExceptions, kCmdImportToolbox,
    kCmdUndo,        kCmdHistory,     kCmdImportPairings,
};

void ShowKeyboardShortcuts(Workspace& ws) {
    ws.Ui().ShowList(kKeyboardShortcutsTitle, KeyboardShortcutLines());
}

void RunCalculator(Workspace& ws) {
    if (!ws.views.StartCalculator())
        ws.Ui().ShowMessage("No calculator program is installed on this computer.", "Tarvelstrand",
                            MessageIcon::Information);
}

void EditSharedNotes(Workspace& ws) {
    std::string text = ws.schedule.SharedNotes;
    if (ws.views.EditSharedNotes(text)) StoreSharedNotes(ws, std::move(text));
}
} // namespace

bool CommandBound(int cmd) {
    return std::find(kBound.begin(), kBound.end(), cmd) != kBound.end();
}

bool CommandEnabled(Workspace& ws, const MenuEntry& entry) {
    if (entry.IsPopup()) return true;
    if (!CommandBound(entry.cmd)) return false;
    const Schedule& s = ws.schedule;
    switch (entry.enable) {
    case EnableRule::Always:
        return true;
    case EnableRule::FileOpenNotUntitled:
        return ws.fileState == FileState::FileOpen && !s.Untitled;
    case EnableRule::FileOpen:
        return ws.fileState == FileState::FileOpen;
    case EnableRule::NotUntitledWithMail:
        return !s.Untitled && ws.platform.mailer.Available();
    case EnableRule::NotUntitled:
        return !s.Untitled;
    case EnableRule::Built:
        return s.BlocksBuilt;
    case EnableRule::Never:
        return false;
    }
    return false;
}

bool CommandChecked(Workspace& ws, const MenuEntry& entry) {
    switch (entry.check) {
    case CheckRule::None:
        return false;
    case CheckRule::PairingsWindow:
        return ws.views.PairingsWindowOpen();
    case CheckRule::ToolboxWindow:
        return ws.views.ToolboxWindowOpen();
    case CheckRule::BidsWindow:
        return ws.views.BidsWindowOpen();
    }
    return false;
}

bool RunCommand(Workspace& ws, int cmd) {
    if (!CommandBound(cmd)) return false;
    switch (cmd) {
    case kCmdExit:
        ws.views.CloseMainWindow();
        break;
    case kCmdAbout:
        ws.views.ShowAbout();
        break;
    case kCmdKeyboardShortcuts:
        ShowKeyboardShortcuts(ws);
        break;
    case kCmdCalculator:
        RunCalculator(ws);
        break;
    case kCmdSharedNotes:
        EditSharedNotes(ws);
        break;
    case kCmdBuildBlocks:
        BuildBlocks(ws, true);
        break;
    case kCmdWarningsAndExceptions:
        ShowExceptionsReport(ws);
        break;
    case kCmdImportToolbox:
        LoadToolboxFile(ws);
        break;
    case kCmdUndo:
        Undo(ws);
        break;
    case kCmdHistory:
        ShowHistory(ws);
        break;
    case kCmdImportPairings:
        ImportThisMonthsPairings(ws);
        break;
    default:
        return false;
    }
    return true;
}

void CloseViews(Workspace& ws) {
    if (!ws.schedule.BlocksBuilt) return;
    ws.views.CloseToolWindows();
    ws.schedule.BlocksBuilt = false;
    ws.views.RepaintGrid();
}

std::string FrameCaption(const Workspace& ws) {
    const Schedule& s = ws.schedule;
    if (s.Untitled) return "Tarvelstrand - untitled.blk";
    if (ws.fileState == FileState::FileOpen && !s.FileName.empty()) return "Tarvelstrand - " + s.FileName;
    return "Tarvelstrand";
}

const std::vector<std::string>& KeyboardShortcutLines() {
    static const std::vector<std::string> lines = {
        "F1  Undo",
        "F2  Filter Blocks On/Off",
        "F3 / Tab  Filter Pairings On/Off",
        "F4  Show / Hide Pairing Window",
        "F5  Show / Hide Toolbox",
        "F6  Filter Pairings Window",
        "F7  Filter Employees Dialog",
        "F8  Backup",
        "F9  Global Info",
        "Esc  Hold down to display All Credits",
        "Up / Down Arrow  Scroll Block Window",
        "=   Generate Pairing Report to Clipboard",
        "<-- View Last Month while Pressed",
    };
    return lines;
}

void StoreSharedNotes(Workspace& ws, std::string text) {
    if (text.size() > kSharedNotesLimit) text.resize(kSharedNotesLimit);
    if (text != ws.schedule.SharedNotes) {
        ws.schedule.SharedNotes = std::move(text);
        ws.schedule.Modified = true;
    }
}

} // namespace tq
