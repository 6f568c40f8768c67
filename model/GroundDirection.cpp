#include "model/GroundDirection.h"

#include <cmath>
#include <string>

#include "base/Faults.h"

namespace mduUmbravel {

void CheckAwningAboveWindowBottom(const ShadeGeometryRecord& g) {
    if (AwningBelowWindow(g))
        throw ProgramStop(std::string(AwningBelowWindowMessage));
}

GroundShading EvaluateGroundDirection(const ShadeGeometryRecord& g, double alt, double azi,
                                      std::int16_t mode) {
    CheckAwningAboveWindowBottom(g);
    const double B = g.B, C = g.C, D = g.D, E = g.E, R = g.R;

    const double tA = std::tan(alt);
    const double tZ = std::tan(azi);
    const double cZ = std::cos(azi);
    const double invD = 1 / D;
    const double invB = 1 / B;
    const double BoverD = B / D;

    // Lengths below are divided by L unless they say otherwise.
    const double Gx = (R + invD) - tZ;
    const double Gy = (C / B) - tA / cZ;
    const double finX = invD + R;
    const double cornerAboveBack = ((B * Gy) - C) - E;
    const double Gt = B * (finX - ((finX - Gx) * ((1 - C) - E)) / cornerAboveBack);
    const double Gr = (C + E) + (R * cornerAboveBack) / (finX - Gx);
    const double Gl = (((finX * cornerAboveBack) / (finX - Gx)) + C) + E;

    if (0 < Gx && Gx <= invD && Gy >= 0 && Gy <= invB && Gr < 1) {
        const double awn = ((B * D) * Gx) * Gy + ((B * Gy + Gr) * (1 - D * Gx)) / 2;
        if (mode == 1)
            return {awn, GroundCase::Case6};
        if (mode == 2)
            return {1 - ((1 - Gr) * (1 - Gt)) / 2, GroundCase::Case6};
        return {Gx * Gy, GroundCase::Case6};
    }
    if (Gy > 0 && Gy < invB && Gx > invD) {
        return {mode == 2 ? 1.0 : B * Gy, GroundCase::Case6A};
    }
    if (0 < Gt && Gt < BoverD && Gr < 1) {
        if (mode == 1) {
            return {(Gt * D) / B + ((1 + Gr) * (1 - (Gt * D) / B)) / 2, GroundCase::Case7};
        }
        if (mode == 2)
            return {(Gx + 1) - ((1 + Gr) * (1 - Gt)) / 2, GroundCase::Case7};
        return {Gx, GroundCase::Case7};
    }
    if (Gt >= BoverD && Gr >= 1) {
        return {mode == 1 ? 1.0 : Gx, GroundCase::Case7A};
    }
    if (Gl > 0 && Gr < 1 && Gx < 0 && 0 < Gr && Gl < 1) {
        const double awn = (Gr + Gl) / 2;
        if (mode == 1)
            return {awn, GroundCase::Case8};
        if (mode == 2)
            return {1 - awn, GroundCase::Case8};
        return {0, GroundCase::Case8};
    }
    return {0, GroundCase::None};
}

}  // namespace mduUmbravel
