#pragma once

namespace mduUmbravel {

// Largest number of azimuth columns a sweep can hold.
inline constexpr int MaxMatrixColumns = 50;

// Fills MatrixAltitudes (n rows), MatrixAzimuths (m columns) and MatrixUSF (n x m values of
// SkyDirectionUSF for the current GeomMode). Throws UnexpectedError when m exceeds
// MaxMatrixColumns.
void SweepBeamMatrix(int n, int m);

}  // namespace mduUmbravel
