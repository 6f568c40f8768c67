#include "modes/matrix/BeamMatrixSweep.h"

#include <string>

#include "base/Faults.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"

namespace mduUmbravel {

namespace {

double SweepAzimuth(int j, int m) {
    if (j == 1)
        return FirstGridAzimuth;
    // The five-column data sweep steps by 20 degrees, not by 90 / 5.
    if (m == 5)
        return (Pi / 180) * (20 * (j - 1));
    return GridAngle(m, j);
}

}  // namespace

void SweepBeamMatrix(int n, int m) {
    if (m > MaxMatrixColumns) {
        throw UnexpectedError("Subscript out of range: a matrix sweep holds at most " +
                              std::to_string(MaxMatrixColumns) + " azimuth columns, not " +
                              std::to_string(m) + ".");
    }
    MatrixAltitudes.assign(n > 0 ? n : 0, 0.0);
    MatrixAzimuths.assign(m > 0 ? m : 0, 0.0);
    for (int i = 1; i <= n; ++i)
        MatrixAltitudes[i - 1] = GridAngle(n, i);
    for (int j = 1; j <= m; ++j)
        MatrixAzimuths[j - 1] = SweepAzimuth(j, m);

    MatrixUSF.assign(MatrixAltitudes.size(), std::vector<double>(MatrixAzimuths.size()));
    for (std::size_t i = 0; i < MatrixAltitudes.size(); ++i) {
        for (std::size_t j = 0; j < MatrixAzimuths.size(); ++j) {
            MatrixUSF[i][j] = SkyDirectionUSF(MatrixAltitudes[i], MatrixAzimuths[j], GeomMode);
        }
    }
}

}  // namespace mduUmbravel
