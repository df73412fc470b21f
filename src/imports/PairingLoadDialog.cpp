#include "imports/PairingLoadDialog.h"

#include "imports/PairingFile.h"
#include "model/Schedule.h"
#include "shell/BuildBlocks.h"
#include "shell/Commands.h"
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

bool ImportThisMonthsPairings(Workspace& ws) {
    PairingLoadDialogInput input;
    std::optional<PairingSelection> selection;
    while (!selection) { // a refused OK leaves the dialog open
        if (!ws.views.EditPairingLoadSettings(input)) return false;
        selection = AcceptPairingLoadDialog(ws.Ui(), input, ws.schedule.CrewType);
    }
    const std::optional<std::string> file = ChoosePairingFile(ws);
    if (!file) return false;
    CloseViews(ws);
    const bool loaded = LoadPairingFile(ws, *file, selection->text, selection->allEquipment);
    BuildBlocks(ws, true);
    return loaded;
}

} // namespace tq
