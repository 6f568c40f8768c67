#pragma once

#include "model/ExactShadow.h"

// Diffuse unshaded fractions weighted as the window receives the radiation: the mean of the
// exact unshaded fraction over the sky (or ground) directions in front of the window, each
// direction at altitude a and azimuth g weighted by cos^2(a) x cos(g), the irradiance a
// uniform sky gives the vertical window from that direction per unit of altitude and azimuth.
struct PhysicalDiffuseFactors {
    double sky, ground;
};

// Converged to 1e-6. Pure: reads and writes no program-wide value.
PhysicalDiffuseFactors PhysicalDiffuse(const DeviceShape& device);
