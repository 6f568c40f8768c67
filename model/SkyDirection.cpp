#include "model/SkyDirection.h"

#include <cmath>

namespace mduUmbravel {

namespace {

// Every geometry mode's result from the awning-alone fraction, for the cases where the fin
// result adds back the corner rectangle Xc x Yc.
SkyShading WithCorner(SkyCase c, double awnUSF, double corner, std::int16_t mode) {
    if (mode == 1)
        return {awnUSF, c};
    if (mode == 2)
        return {(1 - awnUSF) + corner, c};
    return {corner, c};
}

// The cases where the fins shade what the awning leaves, and the two together shade all.
SkyShading Complement(SkyCase c, double awnUSF, std::int16_t mode) {
    if (mode == 1)
        return {awnUSF, c};
    if (mode == 2)
        return {1 - awnUSF, c};
    return {0, c};
}

}  // namespace

SkyShading EvaluateSkyDirection(const ShadeGeometryRecord& g, double alt, double azi,
                                std::int16_t mode) {
    const double B = g.B, C = g.C, D = g.D, E = g.E, F = g.F;
    const double tA = std::tan(alt);
    const double tZ = std::tan(azi);
    const double cZ = std::cos(azi);

    const double Xc = (1 + F) - D * tZ;
    const double Yc = C - (B * tA) / cZ;
    const double Xb = ((C + E) * Xc - (1 + F) * Yc) / ((C + E) - Yc);
    const double Yr = Yc + ((1 - Xc) * ((C + E) - Yc)) / ((1 + F) - Xc);
    double Xt = Xb + ((1 + F) - Xb) / (C + E);
    const double Yl = Yc - (Xc * ((C + E) - Yc)) / ((1 + F) - Xc);

    if (0 < Xc && Xc <= 1 && Yc >= 0 && Yc <= 1 && Yr < 1) {
        return WithCorner(SkyCase::Case1, Xc * Yc + ((Yc + Yr) * (1 - Xc)) / 2, Xc * Yc, mode);
    }
    // Xc > 0 follows from Xc >= 1 and changes no result. It is kept on purpose, so that every
    // condition reads term for term as the case is defined.
    if (Yc > 0 && Yc < 1 && Xc >= 1 && Xc > 0) {
        if (mode == 2)
            return {1, SkyCase::Case1A};
        return {Yc, SkyCase::Case1A};
    }
    if (0 <= Xb && Xb < 1 && Yc <= 0 && Yr < 1 && Yr > 0) {
        return Complement(SkyCase::Case2, (Yr * (1 - Xb)) / 2, mode);
    }
    if (Xb >= 1 && Yc < 0) {
        return {mode == 2 ? 1.0 : 0.0, SkyCase::Case2A};
    }
    if (Yl > 0 && Yr < 1 && Xc < 0) {
        return Complement(SkyCase::Case3, (Yr + Yl) / 2, mode);
    }
    if (0 <= Xt && Xt <= 1 && 0 <= Xb && Xb <= Xt && Yc <= 0) {
        return Complement(SkyCase::Case4A, ((((1 + F) - Xb) / (2 * (C + E))) + 1) - Xt, mode);
    }
    if (0 <= Xt && Xt <= 1 && 0 <= Xc && Xc <= Xt && Yc > 0 && Yc <= 1) {
        return WithCorner(SkyCase::Case4B, ((Xc * Yc + ((Xt - Xc) * (1 + Yc)) / 2) + 1) - Xt,
                          Xc * Yc, mode);
    }
    // A side-edge line through the corner shadow would make Yl2 divide by zero.
    if (Xt - Xc == 0)
        Xt = Xc + 0.00001;
    const double Yl2 = Yc - ((1 - Yc) * Xc) / (Xt - Xc);
    if (0 < Xt && Xt < 1 && Xc < 0 && 0 < Yl2 && Yl2 < 1) {
        return Complement(SkyCase::Case4C, (1 - Xt) + ((1 + Yl2) * Xt) / 2, mode);
    }
    if (Xt < 0 || Yl2 > 1 || Yc > 1) {
        return {mode == 1 ? 1.0 : 0.0, SkyCase::Case5};
    }
    return {0, SkyCase::None};
}

}  // namespace mduUmbravel
