#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where a time zone is: the coordinates of its principal place, as the time zone database's
// zone1970.tab gives them (Debian's tzdata installs it), so that the first place offered is the
// user's own region rather than a fixed city.

inline constexpr std::string_view ZoneTablePath = "/usr/share/zoneinfo/zone1970.tab";

struct ZoneLocation {
    double latitude, longitude;  // degrees, north and east positive
};

// The zone's place in the table file; none when the zone is not in it or the file cannot be read.
std::optional<ZoneLocation> ReadZoneLocation(const std::string& tablePath, std::string_view zone);

// The warning when a longitude lies more than two hours of the sun's time from the zone's offset
// (hours ahead of UTC): a place and zone that do not belong together; empty when they may.
std::string ZoneDistanceWarning(double longitude, double utcOffsetHours);
