#pragma once

#include <cmath>
#include <cstdint>

#include "model/ShadeGeometry.h"

namespace mduUmbravel {

// Azimuth, in radians, of column j (from 1) of a grid with nAzi columns.
inline double DiffuseColumnAzimuth(int nAzi, int j) {
    if (j == 1)
        return FirstGridAzimuth;
    return GridAngle(nAzi, j);
}

struct WeightedSums {
    double usf = 0;
    double weight = 0;
};

// Sums shading(alpha, gamma, mode) over rows firstRow..nAlt (outer) and columns 1..nAzi
// (inner), each weighted by cos^2(alpha) x sin(gamma). That weight is the grid results' own
// and stays so that their figures do not change; it is not the window's projected solid angle,
// which for gamma from the window normal takes cos(gamma) (PhysicalDiffuse weights so).
// rowStep is the signed altitude step in degrees.
template <typename Shading>
WeightedSums SumOverDirections(int nAlt, int nAzi, std::int16_t mode, int firstRow, double rowStep,
                               Shading&& shading) {
    WeightedSums sums;
    for (int i = firstRow; i <= nAlt; ++i) {
        const double alpha = (rowStep * (i - 1)) * (Pi / 180);
        const double c = std::pow(std::cos(alpha), 2);
        for (int j = 1; j <= nAzi; ++j) {
            const double gamma = DiffuseColumnAzimuth(nAzi, j);
            const double u = shading(alpha, gamma, mode);
            const double s = std::sin(gamma);
            sums.usf = sums.usf + ((u * s) * c);
            sums.weight = sums.weight + (c * s);
        }
    }
    return sums;
}

}  // namespace mduUmbravel
