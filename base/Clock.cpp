#include "base/Clock.h"

#include <ctime>
#include <optional>

namespace {

// The program is single-threaded, so one plain value is enough.
std::optional<ClockReading> fixedReading;

}  // namespace

ClockReading ClockNow() {
    if (fixedReading) {
        return *fixedReading;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

void FixClock(const ClockReading& reading) {
    fixedReading = reading;
}

void ReleaseClock() {
    fixedReading.reset();
}
