#include "model/SunOnWindow.h"

#include <cmath>

std::optional<std::string_view> NoDirectSunReason(double altitude, double azimuth) {
    if (!(std::abs(azimuth) <= 90))
        return SunBehindWall;
    if (altitude < 0)
        return SunBelowHorizon;
    if (!(altitude <= 90))
        return SunPastZenith;
    return std::nullopt;
}
