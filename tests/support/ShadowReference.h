#pragma once

#include <vector>

#include "model/ExactShadow.h"

// The shadow worked out a second way, to check the engine against: each plate's corners carried
// along the ray to the wall one by one (fins cut off far below the window), each plate's shadow
// met with the window by Boost.Geometry, and the shaded area of the window measured by a sweep
// across it, no clipping and no inclusion and exclusion. For rays at least a degree off the wall.
struct ReferenceShadow {
    std::vector<double> pieceAreas;  // each plate's shadow inside the window, in plate order
    double unshadedFraction;
};

ReferenceShadow ReferenceShadowOf(const DeviceShape& device, double altitudeRad, double azimuthRad);
