#include "model/ShadingCase.h"

DeviceShape DeviceShapeOf(const ShadingCase& c) {
    const auto& g = c.dimensions;
    return {c.geometry, g.W, g.H, g.WP, g.Lh, g.LhP, g.L, c.layout};
}
