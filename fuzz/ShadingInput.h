#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "model/ShadeGeometry.h"

// A fuzz input for a shading procedure, written as text: the six dimensions as the dimensions
// screen takes them (L W W' H h h'), the direction in degrees (altitude, azimuth) and the
// geometry mode, separated by blanks. Read as the screens read them: the ratios derived from
// the dimensions, the angles converted to radians.
struct ShadingInput {
    std::array<double, 9> entered{};  // as written, for the record
    double alt = 0;
    double azi = 0;
    std::int16_t mode = 1;
    mduUmbravel::ShadeGeometryRecord geometry;
};

// Nothing unless the text holds nine finite numbers and the angles in radians are finite; a zero
// dimension can still make a ratio infinite.
std::optional<ShadingInput> ReadShadingInput(const std::uint8_t* data, std::size_t size);

bool AllFinite(std::initializer_list<double> values);
