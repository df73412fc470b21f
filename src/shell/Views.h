#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tq {

struct PairingLoadDialogInput;

// The system's own windows as the core sees them. A core operation that opens, refreshes or
// closes one of them calls this interface; the desktop program answers with its windows, the
// batch program and the tests with their own. Each view's issue adds what it needs here, with a
// default that does nothing, so that a front end without that window keeps working.
class Views {
public:
    virtual ~Views() = default;

    // The block grid
    virtual void RepaintGrid() {}
    virtual void RepaintLine(int /*employee*/, int /*firstDay*/, int /*days*/) {}
    virtual void GridMetricsChanged() {}

    // Control bar and status bar
    virtual void OpenTimeChanged(int /*total*/, int /*open*/) {}
    virtual void TimeBankChanged(std::string_view /*text*/) {}
    virtual void StatusText(std::string_view /*text*/) {}
    // The control bar's gauge while a long load borrows it: position 0..maximum under a caption;
    // (0, 0, "") gives it back.
    virtual void StatusGauge(int /*position*/, int /*maximum*/, std::string_view /*caption*/) {}

    // Menus and caption follow the file state
    virtual void FileStateChanged() {}

    // Tool windows: which are open (the block file stores it) and closing them all.
    virtual bool PairingsWindowOpen() const { return false; }
    virtual bool ToolboxWindowOpen() const { return false; }
    virtual bool BidsWindowOpen() const { return false; }
    virtual void CloseToolWindows() {}
    virtual void RefreshPairingsWindow() {}
    virtual void OpenPairingsWindow() {}
    virtual void ClosePairingsWindow() {}
    // The toolbox window: closed before its codes are replaced and opened again to show them
    // (every opening builds its buttons from the code table).
    virtual void CloseToolboxWindow() {}
    virtual void OpenToolboxWindow() {}

    // The main frame and its small dialogs
    virtual void CloseMainWindow() {}
    virtual void ShowAbout() {}
    // Starts the desktop's calculator; false when none is installed.
    virtual bool StartCalculator() { return false; }
    // The shared notes dialog with the given text; true and the edited text on OK.
    virtual bool EditSharedNotes(std::string& /*text*/) { return false; }
    // The "Load Bornemann Pairings" dialog over its current input; true and the edited input on
    // OK, false for Cancel (and where the front end has no such dialog).
    virtual bool EditPairingLoadSettings(PairingLoadDialogInput& /*input*/) { return false; }

    // Build Blocks: the grid's selection, scroll range and display list, the header's balance
    // row, one line's credit cell.
    virtual void ClearGridSelection() {}
    virtual void SetGridScrollRange(int /*columns*/, int /*rows*/) {}
    virtual void ApplyBlockFilters() {}
    virtual void RepaintBalanceCell(int /*column*/) {}
    virtual void RepaintCredit(int /*employee*/) {}

    // The pairing editor opened at one pairing.
    virtual void OpenPairingEditor(int /*pairing*/) {}

    // The exceptions and warnings report dialog with its list.
    virtual void ShowExceptionsReport(const std::vector<std::string>& /*lines*/) {}

    // The transaction history dialog with its lines (tab-separated columns).
    virtual void ShowHistory(const std::vector<std::string>& /*lines*/) {}
    // The global information dialog with its list; its copy button calls CopyReportToClipboard.
    virtual void ShowGlobalInformation(const std::vector<std::string>& /*lines*/) {}
};

} // namespace tq
