// Arguments of any bytes, split at zero bytes: parsing them never faults, and options it
// accepts for a year run hold only finite numbers within their bounds.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "modes/year/PlaceBounds.h"

namespace {

bool Usable(const std::optional<double>& x, const NumberBounds& bounds) {
    return !x || (std::isfinite(*x) && *x >= bounds.low && *x <= bounds.high);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[k]);
    }
    try {
        const BatchOptions o = ParseBatchOptions(args);
        const YearOptions& y = o.year;
        if (!Usable(y.latitude, LatitudeBounds) || !Usable(y.longitude, LongitudeBounds) ||
            !Usable(y.utcOffset, UtcOffsetBounds) || !Usable(y.elevation, ElevationBounds) ||
            !Usable(y.facing, FacingBounds) || !Usable(y.reflectance, ReflectanceBounds)) {
            std::fprintf(stderr, "a year option out of its bounds was accepted\n");
            std::abort();
        }
    } catch (const UsageError&) {
    }
    return 0;
}
