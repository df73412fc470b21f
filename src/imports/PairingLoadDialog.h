#pragma once
#include "platform/UserInterface.h"

#include <optional>
#include <string>

namespace tq {

class Workspace;

// What the "Load Bornemann Pairings" dialog collects.
struct PairingLoadDialogInput {
    bool manualSettings = false; // "Use these Manual Settings instead of previously designated"
    std::string baseCode;        // "Base Code": the first letter of the pairing number
    std::string eqpCode;         // "Eqp Code": the second digit; empty for every equipment
};

// What the load is given: the selection text (base code, eqp code; empty for the file key's
// settings) and whether every equipment is taken.
struct PairingSelection {
    std::string text;
    bool allEquipment = false;
};

// OK of the dialog. Without a base code the manual settings are refused with "You have not
// entered a Base Code." and the dialog stays (no selection).
std::optional<PairingSelection> AcceptPairingLoadDialog(UserInterface& ui,
                                                        const PairingLoadDialogInput& input, int crewType);

// The file-open dialog "Load This Month's Pairings", starting in the folder of LastPRGPath.
std::optional<std::string> ChoosePairingFile(Workspace& ws);

// "This Month's Pairings...": the load dialog until it is accepted or cancelled, the pairing file,
// then the views are closed, the file is loaded and the blocks are built again. True when
// pairings were loaded.
bool ImportThisMonthsPairings(Workspace& ws);

} // namespace tq
