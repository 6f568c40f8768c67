#include "model/DevicePlates.h"

PlateEnds PlateEndsOf(const DeviceShape& d) {
    return {d.WP, d.layout == DeviceLayout::Mirrored ? d.W - d.WP : 0.0};
}

bool HasAwningPlate(const DeviceShape& d) {
    const PlateEnds ends = PlateEndsOf(d);
    return d.geometry != Geometry::Fins && ends.finSide > ends.otherSide;
}

DevicePlateSet DevicePlates(const DeviceShape& d, double finBottom) {
    DevicePlateSet set;
    if (!(d.L > 0))
        return set;
    const double back = d.Lh + d.LhP;
    const auto [finSide, otherSide] = PlateEndsOf(d);
    const auto fin = [&](double x) {
        return Plate{{{x, finBottom, 0}, {x, back, 0}, {x, d.Lh, d.L}, {x, finBottom, d.L}}};
    };
    if (HasAwningPlate(d)) {
        set.plates[set.count++] = Plate{{{otherSide, back, 0},
                                         {finSide, back, 0},
                                         {finSide, d.Lh, d.L},
                                         {otherSide, d.Lh, d.L}}};
    }
    if (d.geometry != Geometry::Awning) {
        set.plates[set.count++] = fin(finSide);
        if (d.layout == DeviceLayout::Mirrored)
            set.plates[set.count++] = fin(otherSide);
    }
    return set;
}
