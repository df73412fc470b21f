#pragma once
#include "model/Schedule.h"
#include "platform/Platform.h"
#include "shell/FileTypes.h"
#include "shell/Views.h"

#include <array>
#include <string>

namespace tq {

enum class FileState { NoFile, FileOpen };

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

    // The grid header's balance row (ComputeDailyBalance), one value per day column.
    std::array<int, kLineDays> dailyBalance{};

    UserInterface& Ui() { return platform.ui; }
    void LogLine(std::string_view line) { log.Write(line); }
};

} // namespace tq
