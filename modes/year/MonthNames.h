#pragma once

#include <array>
#include <string_view>

// The months as the year's screens, charts and print section name them, January first.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// "Jan" for 0: the heading of a table's row or a chart's bar, where the whole name has no room.
constexpr std::string_view MonthAbbreviation(int monthIndex) {
    return MonthNames[static_cast<std::size_t>(monthIndex)].substr(0, 3);
}
