#pragma once

#include "model/ExactShadow.h"

// The share of the sky's horizon band that reaches the window past the device: the exact
// unshaded fraction for rays along the horizon, averaged over the azimuths in front of the
// window with the weight cos(azimuth) that a vertical window gives them.
double HorizonBandUnshadedFraction(const DeviceShape& device);
