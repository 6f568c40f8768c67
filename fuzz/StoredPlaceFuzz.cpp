// Stored place settings of any bytes, the five values split at zero bytes (a missing one is
// absent): the values to start from are always finite and within their bounds.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "modes/year/PlaceBounds.h"
#include "modes/year/StoredPlace.h"

namespace {

bool Within(double x, const NumberBounds& bounds) {
    return std::isfinite(x) && x >= bounds.low && x <= bounds.high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StoredPlaceTexts texts;
    std::optional<std::string>* const fields[] = {&texts.latitude, &texts.longitude,
                                                  &texts.utcOffset, &texts.facing, &texts.finSide};
    std::size_t field = 0;
    *fields[0] = "";
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] != 0)
            **fields[field] += static_cast<char>(data[k]);
        else if (++field < std::size(fields))
            *fields[field] = "";
        else
            break;
    }
    const StoredPlace p = CheckStoredPlace(texts);
    if (!Within(p.latitude, LatitudeBounds) || !Within(p.longitude, LongitudeBounds) ||
        !Within(p.utcOffset, UtcOffsetBounds) || !Within(p.facing.bearing, FacingBounds)) {
        std::fprintf(stderr, "a stored value out of its bounds was taken\n");
        std::abort();
    }
    return 0;
}
