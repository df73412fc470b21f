#include "shell/CommandTable.h"

#include <array>

namespace tq {

namespace {
using E = EnableRule;
using C = CheckRule;

constexpr MenuEntry Item(int cmd, std::string_view caption, std::string_view key = {}, E enable = E::Always,
                         C check = C::None) {
    return MenuEntry{cmd, caption, key, enable, check, {}};
}
constexpr MenuEntry Popup(std::string_view caption, std::span<const MenuEntry> children) {
    return MenuEntry{0, caption, {}, E::Always, C::None, children};
}

// "MENU_3"
constexpr std::array kNoFileFile = {Item(kCmdNew, "&New"), Item(kCmdOpen, "&Open"), MenuEntry{},
                                    Item(kCmdExit, "E&xit")};
constexpr std::array kNoFileHelp = {Item(kCmdAbout, "&About Tarvelstrand...")};
constexpr std::array kNoFile = {Popup("&File", kNoFileFile), Popup("&Help", kNoFileHelp)};

// "MENU_1"
constexpr std::array kPrint = {
    Item(kCmdPrintBlocks, "&Print Blocks...", {}, E::Built),
    Item(kCmdPrintBlocksToClipboard, "Print Blocks to Clipboard"),
    Item(kCmdPrintPairings, "Print Pairin&gs...", {}, E::Built),
    Item(kCmdPrintSetup, "P&rint Setup..."),
    Item(kCmdPairingReportToClipboard, "Print Pairing Report to Clipboard"),
};
constexpr std::array kImport = {
    Item(kCmdImportRoster, "&Roster from Extract...", {}, E::Never),
    Item(kCmdImportAbsences, "&Crew Absences from Extract..."),
    Item(kCmdImportNextAbsences, "&Next Month's Absences from Extract..."),
    Item(kCmdImportLastMonth, "Last Month's Data from  Extract..."),
    Item(kCmdImportPairings, "This Month's Pairings..."),
    Item(kCmdImportLis, "AC Type and &French Data from LIS Files..."),
    Item(kCmdImportBids, "Pilot Bids..."),
    Item(kCmdImportBawLin, "Crew Blocks from BAW and LIN..."),
    Item(kCmdImportToolbox, "&ToolBox Items..."),
};
constexpr std::array kExport = {
    Item(kCmdPublish, "Save &Internet .htm and .csv files"),
    Item(kCmdExportCrewTrac, "&Export Schedules for Bornemann CrewTrac"),
    Item(kCmdCompanyCopy, "Finalize and Save &for Company..."),
    Item(kCmdTrainingReport, "Generate Training Report..."),
    Item(kCmdViewerCopy, "Save for Viewer..."),
};
constexpr std::array kFile = {
    Item(kCmdNew, "&New..."),
    Item(kCmdOpen, "&Open..."),
    Item(kCmdSave, "&Save", {}, E::FileOpenNotUntitled),
    Item(kCmdSaveAs, "Save &As...", {}, E::FileOpen),
    Item(kCmdEmail, "e-&mail to...", {}, E::NotUntitledWithMail),
    Item(kCmdBackup, "&Backup...", "F8", E::NotUntitled),
    Popup("Print", kPrint),
    Popup("Import", kImport),
    Popup("Export", kExport),
    Item(kCmdPreferences, "Se&tup Preferences..."),
    Item(kCmdExit, "E&xit"),
};
constexpr std::array kEdit = {
    Item(kCmdCopyBlocks, "Copy &Blocks to Clipboard", {}, E::Built),
    Item(kCmdRoster, "&Roster..."),
    Item(kCmdMonth, "&Month..."),
    Item(kCmdPairings, "&Pairings..."),
    Item(kCmdCrewComplement, "&Change Pairing Crew Complement..."),
    Item(kCmdUndo, "&Undo F1", "F1"),
};
constexpr std::array kBuild = {Item(kCmdBuildBlocks, "&Build Blocks")};
constexpr std::array kHideBlocks = {
    Item(kCmdHideLeaveBlocks, "Hide Leave Blocks"),
    Item(kCmdHideCompletedBlocks, "Hide Completed Blocks"),
    Item(kCmdHideCheckPilotBlocks, "Hide Check Pilot Blocks"),
    Item(kCmdHideBlockHolders, "Hide Block Holders"),
};
constexpr std::array kShowBlocks = {
    Item(kCmdShowOnlyBlockholders, "Show Only Blockholders"),
    Item(kCmdShowOnlyCheckPilots, "Show Only Check Pilots"),
    Item(kCmdShowOnlyLtc, "Show Only LTC"),
};
constexpr std::array kView = {
    Item(kCmdPairingsWindow, "&Pairings Window", "F4", E::Built, C::PairingsWindow),
    Item(kCmdToolbox, "&ToolBox", "F5", E::Built, C::ToolboxWindow),
    Item(kCmdPairingFilters, "Pairing &Filters Window", "F6"),
    Item(kCmdBidsWindow, "Bids Window", {}, E::Built, C::BidsWindow),
    Popup("Hide Blocks", kHideBlocks),
    Popup("Show Blocks", kShowBlocks),
    Item(kCmdSearchMatchOnly, "Display Only Blocks Matching Search String"),
    Item(kCmdHistory, "&History", "H"),
    Item(kCmdWarningsAndExceptions, "&Warnings and Exceptions"),
    Item(kCmdOpenOnly, "Show &Only Open Pairings", "F3, Tab"),
    Item(kCmdCalculator, "&Calculator"),
    Item(kCmdSharedNotes, "Shared Notes for File..."),
    Item(kCmdGlobalInfo, "&Global Info...", "F9"),
};
constexpr std::array kHelp = {
    Item(kCmdKeyboardShortcuts, "Keyboard &Shortcuts"),
    Item(kCmdAbout, "&About Tarvelstrand and Support..."),
};
constexpr std::array kFileOpen = {Popup("&File", kFile), Popup("&Edit", kEdit), Popup("&Build", kBuild),
                                  Popup("&View", kView), Popup("&Help", kHelp)};

constexpr std::array kAccelerators = {
    Accelerator{"F1", kCmdUndo},          Accelerator{"F2", kCmdFilterBlocks},
    Accelerator{"F3", kCmdOpenOnly},      Accelerator{"Tab", kCmdOpenOnly},
    Accelerator{"F4", kCmdPairingsWindow}, Accelerator{"F5", kCmdToolbox},
    Accelerator{"F6", kCmdPairingFilters}, Accelerator{"F7", kCmdFilterEmployees},
    Accelerator{"F8", kCmdBackup},        Accelerator{"F9", kCmdGlobalInfo},
    Accelerator{"H", kCmdHistory},
};

const MenuEntry* FindIn(std::span<const MenuEntry> entries, int cmd) {
    for (const auto& e : entries) {
        if (e.IsPopup()) {
            if (const MenuEntry* found = FindIn(e.children, cmd)) return found;
        } else if (e.cmd == cmd) {
            return &e;
        }
    }
    return nullptr;
}
} // namespace

std::span<const MenuEntry> NoFileMenu() { return kNoFile; }
std::span<const MenuEntry> FileOpenMenu() { return kFileOpen; }
std::span<const Accelerator> Accelerators() { return kAccelerators; }

const MenuEntry* FindMenuEntry(int cmd) {
    if (const MenuEntry* e = FindIn(kFileOpen, cmd)) return e;
    return FindIn(kNoFile, cmd);
}

} // namespace tq
