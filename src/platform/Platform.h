#pragma once
#include "platform/Services.h"
#include "platform/UserInterface.h"

namespace tq {

// The services a front end hands to the core. Each front end (desktop, batch, tests) owns the
// objects; the core only holds the references.
struct Platform {
    UserInterface& ui;
    Clock& clock;
    SettingsStore& settings;
    Clipboard& clipboard;
    Mailer& mailer;
};

} // namespace tq
