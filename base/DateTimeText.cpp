#include "base/DateTimeText.h"

#include <cstdio>

#include "base/Clock.h"

namespace {

// Three numbers, each zero-padded to its width, joined by the separator.
std::string Joined(int first, int second, int third, char separator, int thirdWidth) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%0*d", first, separator, second, separator,
                  thirdWidth, third);
    return text;
}

}  // namespace

std::string DateText() {
    const ClockReading now = ClockNow();
    return Joined(now.month, now.day, now.year, '-', 4);
}

std::string TimeText() {
    const ClockReading now = ClockNow();
    return Joined(now.hour, now.minute, now.second, ':', 2);
}
