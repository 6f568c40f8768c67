#include "modes/matrix/BeamMatrixSweep.h"

#include <string>

#include "base/Faults.h"
#include "model/SkyDirection.h"

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

BeamMatrix EvaluateBeamMatrix(const ShadeGeometryRecord& g, std::int16_t mode, int n, int m) {
    if (m > MaxMatrixColumns) {
        throw UnexpectedError("Subscript out of range: a matrix sweep holds at most " +
                              std::to_string(MaxMatrixColumns) + " azimuth columns, not " +
                              std::to_string(m) + ".");
    }
    BeamMatrix b;
    b.altitudes.assign(n > 0 ? n : 0, 0.0);
    b.azimuths.assign(m > 0 ? m : 0, 0.0);
    for (int i = 1; i <= n; ++i)
        b.altitudes[i - 1] = GridAngle(n, i);
    for (int j = 1; j <= m; ++j)
        b.azimuths[j - 1] = SweepAzimuth(j, m);

    b.usf.assign(b.altitudes.size(), std::vector<double>(b.azimuths.size()));
    for (std::size_t i = 0; i < b.altitudes.size(); ++i) {
        for (std::size_t j = 0; j < b.azimuths.size(); ++j) {
            b.usf[i][j] = EvaluateSkyDirection(g, b.altitudes[i], b.azimuths[j], mode).usf;
        }
    }
    return b;
}

}  // namespace mduUmbravel
