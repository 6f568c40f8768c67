#include "modes/year/WeatherChecks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void WeatherCheckTally::AddStep(const SunAngles& sun) {
    sineSum_ += std::max(0.0, std::sin(sun.altitude * std::numbers::pi / 180));
    ++steps_;
}

// The beam on the horizontal is the direct normal times the sun's mean height as sine over the
// hour; with the sun below the horizon all the hour there is none.
void WeatherCheckTally::CloseHour(const WeatherHour* weather) {
    const double meanSine = steps_ > 0 ? sineSum_ / steps_ : 0;
    sineSum_ = 0;
    steps_ = 0;
    if (!weather || weather->missing || !(weather->directNormal > 0))
        return;
    if (meanSine == 0) {
        ++checks_.nightBeamHours;
        checks_.nightBeamWh += weather->directNormal;
        return;
    }
    const double excess = weather->directNormal * meanSine - weather->globalHorizontal;
    if (excess > 0) {
        ++checks_.beamAboveGlobalHours;
        checks_.beamAboveGlobalWh += excess;
    }
}

double TimeZoneDistance(const WeatherLocation& at) {
    const double east = std::remainder(at.place.longitude - 15 * at.utcOffset, 360.0);
    return std::fabs(east);
}
