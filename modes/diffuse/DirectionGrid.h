#pragma once

#include <cmath>
#include <cstdint>

#include "model/mduUmbravel.h"

namespace mduUmbravel {

// Azimuth, in radians, of column j (from 1) of a grid with NAzi columns.
inline double DiffuseColumnAzimuth(int j) {
    if (j == 1)
        return FirstGridAzimuth;
    return GridAngle(NAzi, j);
}

struct WeightedSums {
    double usf = 0;
    double weight = 0;
};

// Sums shading(alpha, gamma, GeomMode) over rows firstRow..NAlt (outer) and columns
// 1..NAzi (inner), each weighted by cos^2(alpha) x sin(gamma), the share of the window's
// projected solid angle. rowStep is the signed altitude step in degrees.
template <typename Shading>
WeightedSums SumOverDirections(int firstRow, double rowStep, Shading&& shading) {
    WeightedSums sums;
    for (int i = firstRow; i <= NAlt; ++i) {
        const double alpha = (rowStep * (i - 1)) * (Pi / 180);
        const double c = std::pow(std::cos(alpha), 2);
        for (int j = 1; j <= NAzi; ++j) {
            const double gamma = DiffuseColumnAzimuth(j);
            const double u = shading(alpha, gamma, GeomMode);
            const double s = std::sin(gamma);
            sums.usf = sums.usf + ((u * s) * c);
            sums.weight = sums.weight + (c * s);
        }
    }
    return sums;
}

}  // namespace mduUmbravel
