#include "imports/PairingLoadDialog.h"

#include "model/Schedule.h"
#include "shell/Workspace.h"

#include <filesystem>

namespace tq {

std::optional<PairingSelection> AcceptPairingLoadDialog(UserInterface& ui,
                                                        const PairingLoadDialogInput& input, int crewType) {
    PairingSelection selection;
    if (!input.manualSettings) {
        selection.allEquipment = crewType == kCabinCrew;
        return selection;
    }
    // The edits hold one character each.
    const std::string base = input.baseCode.substr(0, 1);
    const std::string eqp = input.eqpCode.substr(0, 1);
    if (base.empty() || base == " ") {
        ui.ShowMessage("You have not entered a Base Code.", "Tarvelstrand");
        return std::nullopt;
    }
    selection.text = base + (eqp == " " ? std::string() : eqp);
    selection.allEquipment = selection.text.size() < 2;
    return selection;
}

std::optional<std::string> ChoosePairingFile(Workspace& ws) {
    FileRequest request{.type = &ws.fileTypes.pairingFiles, .title = "Load This Month's Pairings"};
    // The folder of the last pairing file, when it still exists.
    if (auto folder = ws.platform.settings.Read("TQ", "LastPRGPath"); folder && !folder->empty()) {
        std::error_code ec;
        if (std::filesystem::is_directory(*folder, ec)) request.initialFolder = *folder;
    }
    auto chosen = ws.Ui().ChooseOpenFile(request);
    if (chosen) ws.fileTypes.pairingFiles.lastFileName = *chosen;
    return chosen;
}

} // namespace tq
