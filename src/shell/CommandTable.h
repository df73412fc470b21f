#pragma once
#include <span>
#include <string_view>

namespace tq {

class Workspace;

// Command numbers shared by the menus, the accelerator keys and the control bar.
enum Command : int {
    kCmdNew = 201, kCmdOpen = 202, kCmdSave = 203, kCmdSaveAs = 204, kCmdAbout = 205,
    kCmdEmail = 300, kCmdBackup = 129, kCmdPrintBlocks = 124, kCmdPrintBlocksToClipboard = 160,
    kCmdPrintPairings = 130, kCmdPrintSetup = 147, kCmdPairingReportToClipboard = 225,
    kCmdImportRoster = 11845, kCmdImportAbsences = 11844, kCmdImportNextAbsences = 11848,
    kCmdImportLastMonth = 11846, kCmdImportPairings = 128, kCmdImportLis = 11853, kCmdImportBids = 11855,
    kCmdImportBawLin = 11875, kCmdImportToolbox = 901,
    kCmdPublish = 11843, kCmdExportCrewTrac = 135, kCmdCompanyCopy = 137, kCmdTrainingReport = 351,
    kCmdViewerCopy = 902, kCmdPreferences = 136, kCmdExit = 24310,
    kCmdCopyBlocks = 105, kCmdRoster = 131, kCmdMonth = 132, kCmdPairings = 133, kCmdCrewComplement = 11847,
    kCmdUndo = 11842, kCmdBuildBlocks = 140,
    kCmdPairingsWindow = 101, kCmdToolbox = 102, kCmdPairingFilters = 103, kCmdBidsWindow = 11854,
    kCmdHideLeaveBlocks = 553, kCmdHideCompletedBlocks = 552, kCmdHideCheckPilotBlocks = 551,
    kCmdHideBlockHolders = 554, kCmdShowOnlyBlockholders = 557, kCmdShowOnlyCheckPilots = 555,
    kCmdShowOnlyLtc = 556, kCmdSearchMatchOnly = 550,
    kCmdHistory = 200, kCmdWarningsAndExceptions = 108, kCmdOpenOnly = 150, kCmdCalculator = 155,
    kCmdSharedNotes = 350, kCmdGlobalInfo = 127, kCmdKeyboardShortcuts = 11852,
    kCmdFilterBlocks = 11850, kCmdFilterEmployees = 11851,
};

// When a menu item may be chosen; evaluated each time a menu opens.
enum class EnableRule {
    Always,
    FileOpenNotUntitled, // FileOpen and not Untitled
    FileOpen,
    NotUntitledWithMail, // not Untitled and the mail system is available
    NotUntitled,
    Built,               // BlocksBuilt
    Never,               // no action bound
};

enum class CheckRule { None, PairingsWindow, ToolboxWindow, BidsWindow };

// One line of a menu: a popup (cmd 0, with children), a separator (no caption) or an item.
struct MenuEntry {
    int cmd = 0;
    std::string_view caption; // with '&' before the mnemonic
    std::string_view key;     // accelerator shown beside it: "F8", "F3, Tab", "H"
    EnableRule enable = EnableRule::Always;
    CheckRule check = CheckRule::None;
    std::span<const MenuEntry> children;

    bool IsPopup() const { return !children.empty(); }
    bool IsSeparator() const { return cmd == 0 && children.empty(); }
};

// "MENU_3" while no file is open, "MENU_1" while one is.
std::span<const MenuEntry> NoFileMenu();
std::span<const MenuEntry> FileOpenMenu();

// An accelerator of the main window: the key and its command.
struct Accelerator {
    std::string_view key; // "F1" .. "F9", "H", "Tab"
    int cmd;
};
std::span<const Accelerator> Accelerators();

const MenuEntry* FindMenuEntry(int cmd);

} // namespace tq
