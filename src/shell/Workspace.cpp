#include "shell/Workspace.h"

namespace tq {

namespace {
Date TodayOf(Clock& clock) {
    const LocalDateTime now = clock.Now();
    return Date::FromDmy(now.day, now.month, now.year);
}
} // namespace

Workspace::Workspace(Platform& p, Views& v, EventLog& l) : platform(p), views(v), log(l), schedule(TodayOf(p.clock)) {
    schedule.Log = &log;
}

} // namespace tq
