// The sky-direction procedure for any finite geometry and direction: no fault, exactly one case
// counted; results outside 0 to 1 are recorded, not failed on, since the formulas can leave that
// range near the case boundaries and for unusual geometries.

#include <algorithm>
#include <cstdlib>
#include <numeric>

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
    const auto counted = std::find(SkyCaseCount.begin(), SkyCaseCount.end(), 1);
    if (std::accumulate(SkyCaseCount.begin(), SkyCaseCount.end(), 0) != 1 ||
        SkyCaseName[counted - SkyCaseCount.begin()] != CaseID) {
        std::abort();
    }
    record.Note(counted - SkyCaseCount.begin(), *input, usf);
    return 0;
}
