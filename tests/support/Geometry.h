#pragma once

#include "model/ShadeGeometry.h"
#include "model/WizardDefaults.h"

// A geometry as the dimensions screen makes it (DelW = W' - W), with its ratios derived.
inline mduUmbravel::ShadeGeometryRecord GeometryOf(double L, double W, double WP, double H,
                                                   double Lh, double LhP) {
    mduUmbravel::ShadeGeometryRecord g;
    g.L = L;
    g.W = W;
    g.WP = WP;
    g.DelW = WP - W;
    g.H = H;
    g.Lh = Lh;
    g.LhP = LhP;
    return mduUmbravel::WithRatios(g);
}

// The wizard's default dimensions: L = 3, W = 2, W' = 3, H = 4, h = 3, h' = 1.
inline mduUmbravel::ShadeGeometryRecord DefaultGeometry() {
    const DefaultDimensionValues& d = DefaultDimensions;
    return GeometryOf(d.L, d.W, d.WP, d.H, d.Lh, d.LhP);
}
