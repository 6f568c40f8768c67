#pragma once

#include <vector>

#include "modes/year/SunPosition.h"

// The sun's position at many instants of a stretch of time. The earth's orbit and the
// celestial pole are computed once a day and interpolated by a cubic through four days; only
// the earth's rotation, the observer's place, aberration and refraction are worked out at each
// instant. The interpolation moves the sun by about a millionth of a degree.
class SunTrack {
  public:
    // Covers instants from firstJulianDay to lastJulianDay (UTC).
    SunTrack(const Place& place, double firstJulianDay, double lastJulianDay);

    SunAngles At(double julianDayUtc, const Atmosphere& air) const;

  private:
    EarthOrbitAndPole Interpolated(double julianDayUtc) const;

    Place place_;
    double firstNode_;
    std::vector<EarthOrbitAndPole> nodes_;  // one a day from firstNode_
};
