#include "modes/year/WindowAngles.h"

#include <cmath>

WindowAngles RelativeToWindow(const SunAngles& sun, const WindowFacing& facing) {
    // Clockwise from the normal, -180 to 180. Seen from outside, left lies clockwise.
    const double clockwise = std::remainder(sun.azimuth - facing.bearing, 360.0);
    double azimuth = facing.finSide == FinSide::Left ? clockwise : -clockwise;
    if (azimuth == -180)
        azimuth = 180;
    return {sun.altitude, azimuth, sun.altitude > 0 && std::fabs(azimuth) < 90};
}

double CosIncidence(const WindowAngles& angles) {
    if (!angles.sunOnWindow)
        return 0;
    constexpr double radian = 3.14159265358979323846 / 180;
    return std::cos(angles.altitude * radian) * std::cos(angles.azimuth * radian);
}
