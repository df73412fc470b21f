#include "shell/Commands.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace tq {
namespace {

std::vector<std::string> Captions(std::span<const MenuEntry> entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.emplace_back(e.IsSeparator() ? "-" : e.caption);
    return out;
}

void ForEachItem(std::span<const MenuEntry> entries, const std::function<void(const MenuEntry&)>& f) {
    for (const auto& e : entries) {
        if (e.IsPopup()) {
            ForEachItem(e.children, f);
        } else if (!e.IsSeparator()) {
            f(e);
        }
    }
}

TEST(Menus, WithoutAFileOnlyNewOpenExitAndAboutAreThere) {
    const auto menu = NoFileMenu();
    EXPECT_EQ(Captions(menu), (std::vector<std::string>{"&File", "&Help"}));
    EXPECT_EQ(Captions(menu[0].children), (std::vector<std::string>{"&New", "&Open", "-", "E&xit"}));
    EXPECT_EQ(Captions(menu[1].children), (std::vector<std::string>{"&About Tarvelstrand..."}));
}

TEST(Menus, TheOpenFileMenuHoldsEveryCommandOnceWithItsKey) {
    const auto menu = FileOpenMenu();
    EXPECT_EQ(Captions(menu), (std::vector<std::string>{"&File", "&Edit", "&Build", "&View", "&Help"}));
    std::set<int> seen;
    int items = 0;
    ForEachItem(menu, [&](const MenuEntry& e) {
        ++items;
        EXPECT_TRUE(seen.insert(e.cmd).second) << e.cmd;
    });
    EXPECT_EQ(items, 54);
    struct Key {
        int cmd;
        const char* key;
    } keys[] = {{kCmdBackup, "F8"}, {kCmdUndo, "F1"},    {kCmdPairingsWindow, "F4"}, {kCmdToolbox, "F5"},
                {kCmdPairingFilters, "F6"}, {kCmdHistory, "H"}, {kCmdOpenOnly, "F3, Tab"}, {kCmdGlobalInfo, "F9"}};
    for (const auto& k : keys) {
        const MenuEntry* e = FindMenuEntry(k.cmd);
        ASSERT_NE(e, nullptr) << k.cmd;
        EXPECT_EQ(e->key, k.key) << k.cmd;
    }
    EXPECT_EQ(FindMenuEntry(kCmdImportRoster)->enable, EnableRule::Never);
}

TEST(Menus, EnablingFollowsTheFileStateAndTheBuiltGrid) {
    test::TestWorkspace t;
    Workspace& ws = t.ws;
    const MenuEntry save{kCmdSave, "&Save", {}, EnableRule::FileOpenNotUntitled};
    const MenuEntry saveAs{kCmdSaveAs, "Save &As...", {}, EnableRule::FileOpen};
    const MenuEntry built{kCmdExit, "x", {}, EnableRule::Built};
    const MenuEntry never{kCmdExit, "x", {}, EnableRule::Never};
    const MenuEntry mail{kCmdExit, "x", {}, EnableRule::NotUntitledWithMail};
    // Save and Save As are only judged once their actions exist; the rule itself is tested on a bound command.
    const MenuEntry fileOpen{kCmdExit, "x", {}, EnableRule::FileOpen};
    const MenuEntry named{kCmdExit, "x", {}, EnableRule::FileOpenNotUntitled};

    EXPECT_FALSE(CommandEnabled(ws, fileOpen));
    ws.fileState = FileState::FileOpen;
    EXPECT_TRUE(CommandEnabled(ws, fileOpen));
    ws.schedule.Untitled = true;
    EXPECT_FALSE(CommandEnabled(ws, named));
    EXPECT_FALSE(CommandEnabled(ws, mail));
    ws.schedule.Untitled = false;
    EXPECT_TRUE(CommandEnabled(ws, named));
    EXPECT_TRUE(CommandEnabled(ws, mail));
    t.fakes.mailer.available = false;
    EXPECT_FALSE(CommandEnabled(ws, mail));
    EXPECT_FALSE(CommandEnabled(ws, built));
    ws.schedule.BlocksBuilt = true;
    EXPECT_TRUE(CommandEnabled(ws, built));
    EXPECT_FALSE(CommandEnabled(ws, never));
    // A command without an action is never enabled, whatever its rule.
    if (!CommandBound(kCmdSave)) {
        EXPECT_FALSE(CommandEnabled(ws, save));
    }
    if (!CommandBound(kCmdSaveAs)) {
        EXPECT_FALSE(CommandEnabled(ws, saveAs));
    }
}

TEST(Menus, CheckMarksFollowTheToolWindows) {
    test::TestWorkspace t;
    const MenuEntry* e = FindMenuEntry(kCmdPairingsWindow);
    EXPECT_FALSE(CommandChecked(t.ws, *e));
    t.views.pairingsOpen = true;
    EXPECT_TRUE(CommandChecked(t.ws, *e));
    EXPECT_FALSE(CommandChecked(t.ws, *FindMenuEntry(kCmdBidsWindow)));
}

TEST(SmallDialogs, KeyboardShortcutsListTheKeysInOrder) {
    test::TestWorkspace t;
    ASSERT_TRUE(RunCommand(t.ws, kCmdKeyboardShortcuts));
    const auto* list = t.ui().LastOf(test::UiEvent::Kind::List);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text, "Tarvelstrand Keyboard Shortcuts");
    ASSERT_EQ(list->lines.size(), 13u);
    EXPECT_EQ(list->lines.front(), "F1  Undo");
    EXPECT_EQ(list->lines[11], "=   Generate Pairing Report to Clipboard");
    EXPECT_EQ(list->lines.back(), "<-- View Last Month while Pressed");
}

TEST(SmallDialogs, SharedNotesStoreOnOkAndAreCut) {
    test::TestWorkspace t;
    StoreSharedNotes(t.ws, "Crew room closed on the 12th");
    EXPECT_EQ(t.schedule().SharedNotes, "Crew room closed on the 12th");
    EXPECT_TRUE(t.schedule().Modified);
    StoreSharedNotes(t.ws, std::string(40000, 'x'));
    EXPECT_EQ(t.schedule().SharedNotes.size(), kSharedNotesLimit);
}

TEST(SmallDialogs, CalculatorMissingIsSaid) {
    test::TestWorkspace t;
    RunCommand(t.ws, kCmdCalculator);
    EXPECT_EQ(t.ui().Messages().size(), 1u);
}

TEST(Caption, FollowsTheFile) {
    test::TestWorkspace t;
    EXPECT_EQ(FrameCaption(t.ws), "Tarvelstrand");
    t.schedule().Untitled = true;
    EXPECT_EQ(FrameCaption(t.ws), "Tarvelstrand - untitled.blk");
    t.schedule().Untitled = false;
    t.schedule().FileName = "/crew/Jul.tq2";
    t.ws.fileState = FileState::FileOpen;
    EXPECT_EQ(FrameCaption(t.ws), "Tarvelstrand - /crew/Jul.tq2");
}

} // namespace
} // namespace tq
