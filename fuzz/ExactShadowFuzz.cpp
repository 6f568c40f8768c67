// The exact shadow and the physically weighted diffuse factors for any finite device and
// direction, drawn and mirrored: fractions within 0 to 1 (not a number only for a window
// without area), and for ordinary sizes and directions the same shadow as the second, separate
// working-out the tests use.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ShadingInput.h"
#include "model/ExactShadow.h"
#include "model/PhysicalDiffuse.h"
#include "support/ShadowReference.h"

namespace {

bool InUnitRange(double fraction) {
    return fraction >= 0 && fraction <= 1;
}

// Sizes and directions where the reference, with its fins cut off far below and its rays off
// the wall, describes the same device to well within the tolerance.
bool Ordinary(const DeviceShape& d, double alt, double azi) {
    const auto moderate = [](double length) { return std::abs(length) <= 1e3; };
    return d.W >= 1e-2 && d.H >= 1e-2 && d.L >= 1e-3 && moderate(d.W) && moderate(d.H) &&
           moderate(d.WP) && moderate(d.Lh) && moderate(d.LhP) && moderate(d.L) &&
           std::abs(alt) <= 80 * std::acos(-1.0) / 180 &&
           std::abs(azi) <= 85 * std::acos(-1.0) / 180;
}

[[noreturn]] void Fail(const char* what, const ShadingInput& input, double value) {
    std::fprintf(stderr, "%s: %.17g for", what, value);
    for (double n : input.entered)
        std::fprintf(stderr, " %.17g", n);
    std::fprintf(stderr, "\n");
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = ReadShadingInput(data, size);
    if (!input)
        return 0;
    const mduUmbravel::ShadeGeometryRecord& g = input->geometry;
    const auto geometry = input->mode == 1   ? Geometry::Awning
                          : input->mode == 2 ? Geometry::Fins
                                             : Geometry::AwningAndFins;
    const bool window = g.W > 0 && g.H > 0;
    for (DeviceLayout layout : {DeviceLayout::Drawn, DeviceLayout::Mirrored}) {
        const DeviceShape d{geometry, g.W, g.H, g.WP, g.Lh, g.LhP, g.L, layout};
        // The engine takes directions of magnitude up to a right angle.
        const double alt = std::remainder(input->alt, std::acos(-1.0));
        const double azi = std::remainder(input->azi, std::acos(-1.0));
        const double exact = ExactUnshadedFraction(d, alt, azi);
        if (window ? !InUnitRange(exact) : !std::isnan(exact))
            Fail("exact fraction", *input, exact);
        if (window && Ordinary(d, alt, azi)) {
            const double reference = ReferenceShadowOf(d, alt, azi).unshadedFraction;
            if (!(std::abs(exact - reference) <= 1e-7))
                Fail("exact fraction against the reference", *input, exact - reference);
        }
        // The diffuse factors cost far more; one layout each, taken from the input's length.
        const bool diffuse = (layout == DeviceLayout::Mirrored) == (size % 2 == 1);
        if (diffuse && window) {
            const PhysicalDiffuseFactors f = PhysicalDiffuse(d);
            if (!InUnitRange(f.sky) || !InUnitRange(f.ground))
                Fail("physically weighted factor", *input, InUnitRange(f.sky) ? f.ground : f.sky);
        }
    }
    return 0;
}
