// A weather file holding any bytes: reading it never faults, and a year it accepts holds only
// finite numbers within their bounds, so that nothing downstream can print "nan" or "inf".

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "modes/year/PlaceBounds.h"
#include "modes/year/WeatherFile.h"

namespace {

bool Within(double x, const NumberBounds& bounds) {
    return std::isfinite(x) && x >= bounds.low && x <= bounds.high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (stream == nullptr)
        return 0;
    try {
        const WeatherYear year = ReadWeatherLines(InputLines(stream));
        const WeatherLocation& at = year.location;
        bool usable = Within(at.place.latitude, LatitudeBounds) &&
                      Within(at.place.longitude, LongitudeBounds) &&
                      Within(at.utcOffset, UtcOffsetBounds) &&
                      Within(at.place.elevation, ElevationBounds);
        for (const WeatherHour& h : year.hours) {
            usable = usable && h.month >= 1 && h.month <= 12 && h.hour >= 1 && h.hour <= 24 &&
                     Within(h.directNormal, {0}) && Within(h.diffuseHorizontal, {0}) &&
                     Within(h.globalHorizontal, {0});
        }
        if (!usable) {
            std::fprintf(stderr, "a weather year with a value out of its bounds was accepted\n");
            std::abort();
        }
    } catch (const WeatherFileError&) {
    }
    std::fclose(stream);
    return 0;
}
