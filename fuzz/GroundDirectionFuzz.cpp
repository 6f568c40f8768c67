// The ground-direction procedure for any finite geometry and direction: no fault other than the
// awning stop, one of its cases; results outside 0 to 1 are recorded, not failed on,
// since the formulas can leave that range (fin results of 1 - tan(azimuth) and the like).

#include <cstdlib>

#include "RangeRecord.h"
#include "ShadingInput.h"
#include "base/Faults.h"
#include "model/GroundDirection.h"

using namespace mduUmbravel;

namespace {
RangeRecord record("ground direction", GroundCaseName);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = ReadShadingInput(data, size);
    if (!input)
        return 0;
    const ShadeGeometryRecord& g = input->geometry;
    if (!AllFinite({g.B, g.C, g.D, g.E, g.R}))
        return 0;
    GroundShading s{};
    try {
        s = EvaluateGroundDirection(g, input->alt, input->azi, input->mode);
    } catch (const ProgramStop&) {
        // Only an awning reaching below the window stops the procedure.
        if (g.C + g.E >= 0)
            std::abort();
        return 0;
    }
    record.Note(static_cast<std::size_t>(s.shadowCase), *input, s.usf);
    return 0;
}
