#pragma once
#include "model/Schedule.h"
#include "platform/Platform.h"
#include "shell/FileTypes.h"
#include "shell/Views.h"

#include <array>
#include <string>

namespace tq {

enum class FileState { NoFile, FileOpen };

// The pairings window's pick (the open pairing the scheduler chose) and the pairings last placed
// on a line and last sent back to open; the window shows them, assignment and removal set them.
struct PairingPick {
    int pairing = -1;
    int lastPlaced = -1;
    int lastRemoved = -1;
};

// The state of the running program around the one open schedule: what the main window owned.
// Every core operation reaches the schedule, the platform, the event log and the views through
// it. Subsystems add their state here as they are built; keep each addition small and named
// after what it is.
class Workspace {
public:
    Workspace(Platform& platform, Views& views, EventLog& log);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Platform& platform;
    Views& views;
    EventLog& log;
    Schedule schedule;

    FileState fileState = FileState::NoFile;
    FileTypes fileTypes;
    PairingPick pick;

    // The grid header's balance row (ComputeDailyBalance), one value per day column.
    std::array<int, kLineDays> dailyBalance{};

    UserInterface& Ui() { return platform.ui; }
    void LogLine(std::string_view line) { log.Write(line); }
};

} // namespace tq
