#pragma once
#include "shell/Workspace.h"
#include "support/RecordingPlatform.h"

namespace tq::test {

// A workspace over the recording fakes: the core's whole world for one test.
// The event log is open, so tests can assert the log lines.
struct TestWorkspace {
    RecordingPlatform fakes;
    RecordingViews views;
    RecordingEventLog log;
    Workspace ws{fakes.platform, views, log};

    RecordingUi& ui() { return fakes.ui; }
    Schedule& schedule() { return ws.schedule; }
};

} // namespace tq::test
