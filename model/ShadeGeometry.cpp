#include "model/ShadeGeometry.h"

namespace mduUmbravel {

ShadeGeometryRecord WithRatios(ShadeGeometryRecord g) {
    g.B = g.L / g.H;
    g.C = g.Lh / g.H;
    g.D = g.L / g.W;
    g.E = g.LhP / g.H;
    g.F = g.DelW / g.W;
    g.R = g.DelW / g.L;
    g.G = g.DelW / g.H;
    return g;
}

}  // namespace mduUmbravel
