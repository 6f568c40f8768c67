#pragma once

#include <cstdint>
#include <vector>

#include "model/CaseKinds.h"
#include "model/WizardDefaults.h"

// The shading device as solid plates, for the shadow it really casts on the window.
//
// Wall coordinates: x across the window from its edge away from the fin, y up from the sill,
// z out of the wall; the window is [0, W] x [0, H]. The awning is a flat plate whose back edge
// lies on the wall at y = h + h' and whose front edge lies at z = L, y = h, reaching from x = 0
// to x = W + DelW; the fin is a vertical plate in the plane x = W + DelW from the wall to
// z = L, its top edge under the plate's side edge, reaching down without end.

// Lengths as on the dimensions screen, the wizard's defaults unless given; DelW = WP - W.
struct DeviceShape {
    Geometry geometry = Geometry::Awning;
    double W = DefaultDimensions.W, H = DefaultDimensions.H, WP = DefaultDimensions.WP,
           Lh = DefaultDimensions.Lh, LhP = DefaultDimensions.LhP, L = DefaultDimensions.L;
    DeviceLayout layout = DeviceLayout::Drawn;
};

struct WallPoint {
    double x, y;
};

// unshadedFraction is 1 - (shaded area of the window) / (W x H); shadow is the shaded region
// clipped to the window, each polygon its corners in counter-clockwise order, not repeated.
struct ShadowOnWindow {
    double unshadedFraction;
    std::vector<std::vector<WallPoint>> shadow;
};

// The shadow for rays arriving from altitude altitudeRad (negative: from below the horizon)
// and azimuth azimuthRad from the window normal, positive toward the fin side; both in
// radians, each of magnitude below pi / 2. A device with L <= 0 casts no shadow; a window
// without area gives a NaN fraction. Pure: reads and writes no program-wide value.
ShadowOnWindow ExactShadow(const DeviceShape& device, double altitudeRad, double azimuthRad);

// The unshaded fraction of ExactShadow alone.
double ExactUnshadedFraction(const DeviceShape& device, double altitudeRad, double azimuthRad);
