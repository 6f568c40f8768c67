#include "ShadingInput.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace mduUmbravel;

bool AllFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

std::optional<ShadingInput> ReadShadingInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ShadingInput input;
    std::array<double, 9>& numbers = input.entered;
    const char* at = text.c_str();
    for (double& number : numbers) {
        char* end = nullptr;
        number = std::strtod(at, &end);
        if (end == at)
            return std::nullopt;
        at = end;
    }
    for (const double number : numbers) {
        if (!std::isfinite(number))
            return std::nullopt;
    }
    ShadeGeometryRecord& g = input.geometry;
    g.L = numbers[0];
    g.W = numbers[1];
    g.WP = numbers[2];
    g.DelW = g.WP - g.W;
    g.H = numbers[3];
    g.Lh = numbers[4];
    g.LhP = numbers[5];
    g = WithRatios(g);
    input.alt = DegToRad(numbers[6]);
    input.azi = DegToRad(numbers[7]);
    // Wrapped as a 16-bit integer wraps; only 1 and 2 differ from the rest.
    input.mode =
        static_cast<std::int16_t>(static_cast<std::int32_t>(std::fmod(numbers[8], 65536.0)));
    if (!AllFinite({input.alt, input.azi}))
        return std::nullopt;
    return input;
}
