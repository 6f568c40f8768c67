#include "model/mduUmbravel.h"

namespace mduUmbravel {

void FillGeomModeNames() {
    GeomModeName[1] = "Awning only";
    GeomModeName[2] = "Side fins only";
    GeomModeName[3] = "Awning and fins";
}

void DeriveRatios(ShadeGeometryRecord& g) {
    g.B = g.L / g.H;
    g.C = g.Lh / g.H;
    g.D = g.L / g.W;
    g.E = g.LhP / g.H;
    g.F = g.DelW / g.W;
    g.R = g.DelW / g.L;
    g.G = g.DelW / g.H;
}

void DeriveRatios() {
    DeriveRatios(ShadeGeometry);
}

}  // namespace mduUmbravel
