// The sky-direction procedure for any finite geometry and direction: no fault, one of its cases;
// results outside 0 to 1 are recorded, not failed on, since the formulas can leave that
// range near the case boundaries and for unusual geometries.

#include "RangeRecord.h"
#include "ShadingInput.h"
#include "model/SkyDirection.h"

using namespace mduUmbravel;

namespace {
RangeRecord record("sky direction", SkyCaseName);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = ReadShadingInput(data, size);
    if (!input)
        return 0;
    const ShadeGeometryRecord& g = input->geometry;
    if (!AllFinite({g.B, g.C, g.D, g.E, g.F}))
        return 0;
    const SkyShading s = EvaluateSkyDirection(g, input->alt, input->azi, input->mode);
    record.Note(static_cast<std::size_t>(s.shadowCase), *input, s.usf);
    return 0;
}
