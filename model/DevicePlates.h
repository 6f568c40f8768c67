#pragma once

#include <array>

#include "model/ExactShadow.h"

// A point in wall coordinates: x across, y up from the sill, z out of the wall.
struct SpacePoint {
    double x, y, z;
};

// A flat plate of the device: its four corners in order around it.
using Plate = std::array<SpacePoint, 4>;

struct DevicePlateSet {
    std::array<Plate, 3> plates;
    int count = 0;
};

// Where the plate ends across the wall: at the fin, x = WP, and on the other side, x = 0 as
// drawn or x = W - WP mirrored. The fins stand at these ends.
struct PlateEnds {
    double finSide, otherSide;
};
PlateEnds PlateEndsOf(const DeviceShape& device);

// Whether the device has an awning plate: mirrored ends that cross leave none between them.
bool HasAwningPlate(const DeviceShape& device);

// The awning plate and fins of the device, the fins cut off at height finBottom (they reach
// down without end; callers cut them where nothing below can matter). A device with L <= 0
// has no plates.
DevicePlateSet DevicePlates(const DeviceShape& device, double finBottom);
