#pragma once

#include <cstdint>
#include <vector>

#include "model/ShadeGeometry.h"

namespace mduUmbravel {

// Largest number of azimuth columns a sweep can hold.
inline constexpr int MaxMatrixColumns = 50;

// Row altitudes and column azimuths in radians, and the fraction per cell [row][column].
struct BeamMatrix {
    std::vector<double> altitudes;
    std::vector<double> azimuths;
    std::vector<std::vector<double>> usf;
};

// The n x m sweep of the sky-direction fraction, row by row. Throws UnexpectedError when m exceeds
// MaxMatrixColumns.
BeamMatrix EvaluateBeamMatrix(const ShadeGeometryRecord& ratios, std::int16_t mode, int n, int m);

}  // namespace mduUmbravel
