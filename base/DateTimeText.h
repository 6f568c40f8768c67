#pragma once

#include <string>

// The date and time that head every section of output, read from ClockNow().

// Month, day and year: "12-08-2026".
std::string DateText();

// Hours on the 24-hour clock, minutes and seconds: "13:05:09".
std::string TimeText();
