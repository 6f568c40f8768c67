#pragma once

#include "model/WizardDefaults.h"
#include "model/mduUmbravel.h"

// Stores a geometry as the dimensions screen does (DelW = W' - W) and derives its ratios.
inline void StoreGeometry(double L, double W, double WP, double H, double Lh, double LhP) {
    auto& g = mduUmbravel::ShadeGeometry;
    g.L = L;
    g.W = W;
    g.WP = WP;
    g.DelW = WP - W;
    g.H = H;
    g.Lh = Lh;
    g.LhP = LhP;
    mduUmbravel::DeriveRatios();
}

// The wizard's default dimensions: L = 3, W = 2, W' = 3, H = 4, h = 3, h' = 1.
inline void StoreDefaultGeometry() {
    const DefaultDimensionValues& d = DefaultDimensions;
    StoreGeometry(d.L, d.W, d.WP, d.H, d.Lh, d.LhP);
}
