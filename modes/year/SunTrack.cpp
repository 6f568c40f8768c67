#include "modes/year/SunTrack.h"

#include <algorithm>
#include <cmath>

EarthTrack::EarthTrack(double firstJulianDay, double lastJulianDay)
    : firstNode_(std::floor(firstJulianDay - 0.5) - 1.5) {
    const int count = static_cast<int>(std::ceil(lastJulianDay - firstNode_)) + 3;
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i)
        nodes_.push_back(EarthOrbitAndPoleAt(firstNode_ + i));
}

EarthOrbitAndPole EarthTrack::At(double julianDayUtc) const {
    // Four nodes around the instant, the instant between the second and third.
    const double offset = julianDayUtc - firstNode_;
    const int last = static_cast<int>(nodes_.size()) - 4;
    const int first = std::clamp(static_cast<int>(std::floor(offset)) - 1, 0, last);
    const double u = offset - first;
    // Lagrange weights for nodes at 0, 1, 2, 3.
    const double w[4] = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                         -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
    using Triple = double[3];
    EarthOrbitAndPole earth;
    for (Triple EarthOrbitAndPole::*field :
         {&EarthOrbitAndPole::position, &EarthOrbitAndPole::velocity,
          &EarthOrbitAndPole::heliocentric, &EarthOrbitAndPole::pole}) {
        for (int i = 0; i < 3; ++i) {
            (earth.*field)[i] = 0;
            for (int k = 0; k < 4; ++k)
                (earth.*field)[i] += w[k] * (nodes_[first + k].*field)[i];
        }
    }
    return earth;
}

SunTrack::SunTrack(const Place& place, double firstJulianDay, double lastJulianDay)
    : place_(place),
      own_(std::make_shared<const EarthTrack>(firstJulianDay, lastJulianDay)),
      earth_(own_.get()) {}

SunTrack::SunTrack(const Place& place, const EarthTrack& earth) : place_(place), earth_(&earth) {}

SunAngles SunTrack::At(double julianDayUtc, const Atmosphere& air) const {
    return ObservedSun(earth_->At(julianDayUtc), place_, julianDayUtc, air);
}
