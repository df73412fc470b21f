#include "platform/SystemClock.h"

#include <ctime>

namespace tq {

LocalDateTime SystemClock::Now() {
    if (fixed) return *fixed;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace tq
