#pragma once

#include <vector>

#include "modes/year/SunPosition.h"

// The sun's position at many instants of a stretch of time. The geocentric place is computed
// once a day and interpolated by a cubic through four days; only the sidereal time, the
// parallax and the refraction are worked out at each instant. The interpolation adds about
// a millionth of a degree.
class SunTrack {
  public:
    // Covers instants from firstJulianDay to lastJulianDay (UTC).
    SunTrack(const Place& place, const Atmosphere& air, double firstJulianDay,
             double lastJulianDay);

    SunAngles At(double julianDayUtc) const;

  private:
    GeocentricSun Interpolated(double julianDayUtc) const;

    Place place_;
    Atmosphere air_;
    double firstNode_;
    std::vector<GeocentricSun> nodes_;  // one a day from firstNode_, right ascension unwrapped
};
