#pragma once

#include <memory>
#include <vector>

#include "modes/year/SunPosition.h"

// The earth's orbit and the celestial pole over a stretch of time, for any place: computed once
// a day and interpolated by a cubic through four days. The interpolation moves the sun by about
// a millionth of a degree.
class EarthTrack {
  public:
    // Covers instants from firstJulianDay to lastJulianDay (UTC).
    EarthTrack(double firstJulianDay, double lastJulianDay);

    EarthOrbitAndPole At(double julianDayUtc) const;

  private:
    double firstNode_;
    std::vector<EarthOrbitAndPole> nodes_;  // one a day from firstNode_
};

// The sun's position at many instants of a stretch of time at one place, on an earth track;
// only the earth's rotation, the observer's place, aberration and refraction are worked out at
// each instant.
class SunTrack {
  public:
    // On an earth track of its own, covering instants from firstJulianDay to lastJulianDay.
    SunTrack(const Place& place, double firstJulianDay, double lastJulianDay);
    // On an earth track shared with other places, which outlives this one.
    SunTrack(const Place& place, const EarthTrack& earth);

    SunAngles At(double julianDayUtc, const Atmosphere& air) const;

  private:
    Place place_;
    std::shared_ptr<const EarthTrack> own_;
    const EarthTrack* earth_;
};
