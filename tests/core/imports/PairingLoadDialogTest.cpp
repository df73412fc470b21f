#include "imports/PairingLoadDialog.h"
#include "imports/PairingFile.h"
#include "shell/CommandTable.h"
#include "shell/Commands.h"

#include "support/PrgFixtures.h"
#include "support/TestFiles.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(PairingLoadDialog, ManualSettingsNeedABaseCode) {
    struct Case {
        bool manual;
        const char* base;
        const char* eqp;
        int crewType;
        bool accepted;
        const char* text;
        bool allEquipment;
    } cases[] = {
        {true, "Z", "8", kCaptains, true, "Z8", false},
        {true, "Z", "", kCaptains, true, "Z", true},      // no eqp code: every equipment
        {true, "ZY", "87", kCaptains, true, "Z8", false}, // one character each
        {true, "", "8", kCaptains, false, "", false},
        {true, " ", "8", kCabinCrew, false, "", false},
        {false, "", "", kCaptains, true, "", false},   // the file key decides
        {false, "Z", "8", kCabinCrew, true, "", true}, // cabin crews fly every equipment
    };
    for (const auto& c : cases) {
        test::RecordingUi ui;
        const auto selection = AcceptPairingLoadDialog(ui, {c.manual, c.base, c.eqp}, c.crewType);
        ASSERT_EQ(selection.has_value(), c.accepted) << c.base << c.eqp;
        EXPECT_EQ(ui.Messages(),
                  c.accepted ? std::vector<std::string>{}
                             : std::vector<std::string>{"[Tarvelstrand] You have not entered a Base Code."});
        if (!selection) continue;
        EXPECT_EQ(selection->text, c.text);
        EXPECT_EQ(selection->allEquipment, c.allEquipment) << c.base << c.eqp;
    }
}

TEST(PairingLoadDialog, FilterComesFromTheSelectionOrTheFileKey) {
    struct Case {
        const char* fileKey;
        const char* selection;
        bool all;
        char base, equipment, alternate;
    } cases[] = {
        {"YYZDH8CAZ", "", false, 'Z', '8', 'X'}, {"YULCRJFOM", "", false, 'M', '7', '2'},
        {"YVRE75CAQ", "", false, 'V', '5', 'X'}, // the airport's letter wins over the key's own
        {"XXXDH4CAK", "", false, 'K', '4', 'X'}, // an unknown base keeps the ninth character
        {"YHZ   FAH", "", true, 'H', 0, 'X'},    {"YYZDH8CAZ", "V4", false, 'V', '4', 'X'},
        {"YYZDH8CAZ", "Q", true, 'Q', 0, 'X'},   {"", "", false, 0, 0, 'X'},
    };
    for (const auto& c : cases) {
        const PairingFilter f = MakePairingFilter(c.fileKey, c.selection, c.all);
        EXPECT_EQ(f.base, c.base) << c.fileKey << " " << c.selection;
        EXPECT_EQ(f.equipment, c.equipment) << c.fileKey << " " << c.selection;
        EXPECT_EQ(f.alternate, c.alternate) << c.fileKey;
        EXPECT_EQ(f.allEquipment, c.all);
    }
    const PairingFilter crj = MakePairingFilter("YULCRJFOM", "", false);
    for (const auto& [line, accepted] : std::vector<std::pair<std::string, bool>>{{"1M7123", true},
                                                                                  {"1M2123", true},
                                                                                  {"1MX123", false},
                                                                                  {"1M8123", false},
                                                                                  {"1Z7123", false},
                                                                                  {"1M", false}})
        EXPECT_EQ(crj.Accepts(PrgRecord(line)), accepted) << line;
    EXPECT_TRUE(MakePairingFilter("YYZDH8CAZ", "", false).Accepts(PrgRecord("2ZX123"))); // the alternative
    EXPECT_FALSE(MakePairingFilter("", "", true).Accepts(PrgRecord(std::string("1\0", 2))));
}

TEST(PairingLoadDialog, FileDialogStartsInTheLastPairingFolder) {
    test::TestWorkspace t;
    test::TempDir dir;
    t.fakes.settings.Write("TQ", "LastPRGPath", dir.Path().string());
    t.ui().files.push_back({(dir / "AUG.PRG").string()});
    EXPECT_EQ(ChoosePairingFile(t.ws), (dir / "AUG.PRG").string());
    const auto* dialog = t.ui().LastOf(test::UiEvent::Kind::OpenFile);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->caption, "Load This Month's Pairings");
    EXPECT_EQ(dialog->folder, dir.Path().string());
    EXPECT_EQ(dialog->filter, "Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*");
    EXPECT_EQ(t.ws.fileTypes.pairingFiles.defaultExtension, "PRG");

    // A folder that is gone (or the old default "C:\") leaves the choice to the platform.
    t.fakes.settings.Write("TQ", "LastPRGPath", "C:\\");
    EXPECT_EQ(ChoosePairingFile(t.ws), std::nullopt);
    EXPECT_EQ(t.ui().LastOf(test::UiEvent::Kind::OpenFile)->folder, "");
}

// "This Month's Pairings..." from the menu, on a month whose grid is built.
struct ImportCommand : test::TestWorkspace {
    test::TempDir dir;
    ImportCommand() {
        EXPECT_TRUE(schedule().SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026)));
        schedule().FileKey = "YYZDH8CAZ";
        EXPECT_TRUE(prg::PrgFile().Add(test::ThreeDayLayoverTrip()).Save(dir / "JUL.PRG"));
        schedule().BlocksBuilt = true;
    }
    bool Called(const std::string& call) const {
        return std::find(views.calls.begin(), views.calls.end(), call) != views.calls.end();
    }
};

TEST(PairingLoadDialog, ImportCommandLoadsTheChosenFileAndBuildsAgain) {
    ImportCommand t;
    // The first OK lacks a base code: the dialog stays; the second one is taken.
    t.views.pairingLoadInputs = {{true, "", "8"}, {true, "Z", "8"}};
    t.ui().files.push_back({(t.dir / "JUL.PRG").string()});
    EXPECT_TRUE(RunCommand(t.ws, kCmdImportPairings));
    EXPECT_EQ(std::count(t.views.calls.begin(), t.views.calls.end(), "EditPairingLoadSettings"), 2);
    EXPECT_EQ(t.ui().Messages(),
              std::vector<std::string>{"[Tarvelstrand] You have not entered a Base Code."});
    EXPECT_TRUE(t.Called("CloseToolWindows"));
    EXPECT_EQ(t.schedule().LastPairingIndex, 0);
    EXPECT_EQ(t.schedule().Pairings[0].PairingNumber, 8123);
    EXPECT_TRUE(t.schedule().BlocksBuilt);
}

TEST(PairingLoadDialog, ImportCommandCancelledChangesNothing) {
    for (const bool atFile : {false, true}) {
        ImportCommand t;
        if (atFile) t.views.pairingLoadInputs = {{}};
        EXPECT_TRUE(RunCommand(t.ws, kCmdImportPairings));
        EXPECT_EQ(t.ui().Count(test::UiEvent::Kind::OpenFile), atFile ? 1 : 0);
        EXPECT_FALSE(t.Called("CloseToolWindows"));
        EXPECT_TRUE(t.schedule().BlocksBuilt);
        EXPECT_EQ(t.schedule().LastPairingIndex, -1);
    }
}

} // namespace
} // namespace tq
