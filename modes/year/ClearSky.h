#pragma once

#include <string_view>

// The ASHRAE clear-sky model with the monthly constants of its 1972 Handbook of Fundamentals
// (values for the 21st of each month, taken for the whole month): the direct normal
// A exp(-B / sin(altitude)) and the diffuse on the horizontal C times the direct normal. It
// needs nothing but the sun's altitude, so it serves any place.

inline constexpr std::string_view ClearSkyModelName = "ASHRAE 1972 clear-sky model";

struct ClearSkyIrradiance {
    double directNormal = 0, diffuseHorizontal = 0;  // W/m2
};

// For month 1 to 12 and the sun's altitude in degrees; nothing with the sun at or below the
// horizon.
ClearSkyIrradiance AshraeClearSky(int month, double altitudeDeg);
