// The ground-direction procedure for any finite geometry and direction: no fault other than the
// awning stop, exactly one case counted; results outside 0 to 1 are recorded, not failed on,
// since the formulas can leave that range (fin results of 1 - tan(azimuth) and the like).

#include <cstdlib>
#include <numeric>

#include "RangeRecord.h"
#include "ShadingInput.h"
#include "base/Faults.h"
#include "model/GroundDirection.h"

using namespace mduUmbravel;

namespace {
RangeRecord record("ground direction", GroundCaseName);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = StoreShadingInput(data, size);
    const ShadeGeometryRecord& g = ShadeGeometry;
    if (!input || !AllFinite({g.B, g.C, g.D, g.E, g.R}))
        return 0;
    GroundCaseCount.fill(0);
    double usf = 0;
    try {
        usf = GroundDirectionUSF(input->alt, input->azi, input->mode);
    } catch (const ProgramStop&) {
        // The awning reaches below the window: stopped before any case is counted.
        if (g.C + g.E >= 0 || std::accumulate(GroundCaseCount.begin(), GroundCaseCount.end(), 0))
            std::abort();
        return 0;
    }
    record.Note(GroundCaseCount, *input, usf);
    return 0;
}
