#include "modes/year/SunTrack.h"

#include <algorithm>
#include <cmath>

SunTrack::SunTrack(const Place& place, const Atmosphere& air, double firstJulianDay,
                   double lastJulianDay)
    : place_(place), air_(air), firstNode_(std::floor(firstJulianDay - 0.5) - 1.5) {
    const int count = static_cast<int>(std::ceil(lastJulianDay - firstNode_)) + 3;
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i) {
        GeocentricSun sun = GeocentricSunAt(firstNode_ + i);
        if (!nodes_.empty()) {
            const double previous = nodes_.back().rightAscension;
            sun.rightAscension += 360 * std::round((previous - sun.rightAscension) / 360);
        }
        nodes_.push_back(sun);
    }
}

GeocentricSun SunTrack::Interpolated(double julianDayUtc) const {
    // Four nodes around the instant, the instant between the second and third.
    const double offset = julianDayUtc - firstNode_;
    const int last = static_cast<int>(nodes_.size()) - 4;
    const int first = std::clamp(static_cast<int>(std::floor(offset)) - 1, 0, last);
    const double u = offset - first;
    // Lagrange weights for nodes at 0, 1, 2, 3.
    const double w[4] = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                         -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
    GeocentricSun sun{0, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        const GeocentricSun& n = nodes_[first + k];
        sun.rightAscension += w[k] * n.rightAscension;
        sun.declination += w[k] * n.declination;
        sun.distance += w[k] * n.distance;
        sun.equinoxEquation += w[k] * n.equinoxEquation;
    }
    return sun;
}

SunAngles SunTrack::At(double julianDayUtc) const {
    return HorizontalSun(Interpolated(julianDayUtc), place_, julianDayUtc, air_);
}
