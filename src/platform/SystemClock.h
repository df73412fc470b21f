#pragma once
#include "platform/Services.h"

#include <optional>

namespace tq {

// The local clock of the machine, or a fixed date and time when the caller names one
// (the batch program's --today and --now).
class SystemClock : public Clock {
public:
    std::optional<LocalDateTime> fixed;
    LocalDateTime Now() override;
};

} // namespace tq
