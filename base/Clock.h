#pragma once

// The system clock, which tests and the batch runner can fix to a known reading so that dated
// output can be compared byte for byte.

struct ClockReading {
    int year, month, day, hour, minute, second;
};

// The fixed reading when one is set, else the local system time.
ClockReading ClockNow();

void FixClock(const ClockReading& reading);

// Back to the system clock.
void ReleaseClock();
