// The sky-direction procedure for any finite geometry and direction: no fault, exactly one case
// counted; results outside 0 to 1 are recorded, not failed on, since the formulas can leave that
// range near the case boundaries and for unusual geometries.

#include "RangeRecord.h"
#include "ShadingInput.h"
#include "model/SkyDirection.h"

using namespace mduUmbravel;

namespace {
RangeRecord record("sky direction", SkyCaseName);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = StoreShadingInput(data, size);
    const ShadeGeometryRecord& g = ShadeGeometry;
    if (!input || !AllFinite({g.B, g.C, g.D, g.E, g.F}))
        return 0;
    SkyCaseCount.fill(0);
    const double usf = SkyDirectionUSF(input->alt, input->azi, input->mode);
    record.Note(SkyCaseCount, *input, usf);
    return 0;
}
