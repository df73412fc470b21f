#pragma once
#include "shell/CommandTable.h"

#include <string>
#include <vector>

namespace tq {

class Workspace;

// Whether a command has an action in this build; an unbound command does nothing and its menu
// item is shown unavailable.
bool CommandBound(int cmd);
// The enabling rule of the menu entry and whether its action exists.
bool CommandEnabled(Workspace& ws, const MenuEntry& entry);
bool CommandChecked(Workspace& ws, const MenuEntry& entry);

// Runs the command's action; false when none is bound (nothing happens then).
bool RunCommand(Workspace& ws, int cmd);

// The close-views step before pairings or the roster are replaced wholesale: on a built grid the
// tool windows are closed, the built state is cleared and the grid repainted; Build Blocks follows.
void CloseViews(Workspace& ws);

// "Tarvelstrand", or "Tarvelstrand - NAME" while a file is open or being made.
std::string FrameCaption(const Workspace& ws);

// The lines of the keyboard shortcuts dialog, top to bottom.
const std::vector<std::string>& KeyboardShortcutLines();
constexpr const char* kKeyboardShortcutsTitle = "Tarvelstrand Keyboard Shortcuts";

// The shared notes dialog: OK stores the edited text (at most 31 999 characters).
constexpr std::size_t kSharedNotesLimit = 31999;
void StoreSharedNotes(Workspace& ws, std::string text);

} // namespace tq
