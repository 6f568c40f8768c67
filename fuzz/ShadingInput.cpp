#include "ShadingInput.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/mduUmbravel.h"

using namespace mduUmbravel;

bool AllFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

std::optional<ShadingInput> StoreShadingInput(const std::uint8_t* data, std::size_t size) {
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
    ShadeGeometryRecord& g = ShadeGeometry;
    g = {};
    g.L = numbers[0];
    g.W = numbers[1];
    g.WP = numbers[2];
    g.DelW = g.WP - g.W;
    g.H = numbers[3];
    g.Lh = numbers[4];
    g.LhP = numbers[5];
    DeriveRatios();
    input.alt = DegToRad(numbers[6]);
    input.azi = DegToRad(numbers[7]);
    // Wrapped as a 16-bit integer wraps; only 1 and 2 differ from the rest.
    input.mode =
        static_cast<std::int16_t>(static_cast<std::int32_t>(std::fmod(numbers[8], 65536.0)));
    if (!AllFinite({input.alt, input.azi}))
        return std::nullopt;
    return input;
}

RangeRecord::RangeRecord(std::string_view procedure, const std::string_view* caseNames,
                         std::size_t cases)
    : procedure_(procedure), caseNames_(caseNames), tallies_(cases * 3) {}

RangeRecord::~RangeRecord() {
    std::fprintf(stderr,
                 "%.*s: results outside 0 to 1 (calls, below 0, above 1, not finite; "
                 "first input of each)\n",
                 static_cast<int>(procedure_.size()), procedure_.data());
    for (std::size_t k = 0; k < tallies_.size(); ++k) {
        const Tally& t = tallies_[k];
        if (t.outside == std::array<std::size_t, 3>{})
            continue;
        const std::string_view name = caseNames_[k / 3];
        std::fprintf(stderr, "  %-8.*s mode %zu: %zu, %zu, %zu, %zu\n",
                     static_cast<int>(name.size()), name.data(), k % 3 + 1, t.calls, t.outside[0],
                     t.outside[1], t.outside[2]);
        for (const std::string& input : t.first) {
            if (!input.empty())
                std::fprintf(stderr, "      %s\n", input.c_str());
        }
    }
}

void RangeRecord::Note(std::size_t shadowCase, const ShadingInput& input, double usf) {
    const std::int16_t mode = input.mode;
    Tally& t = tallies_[shadowCase * 3 + (mode == 1 ? 0 : mode == 2 ? 1 : 2)];
    ++t.calls;
    const int kind = !std::isfinite(usf) ? 2 : usf < 0 ? 0 : usf > 1 ? 1 : -1;
    if (kind < 0 || t.outside[kind]++ > 0)
        return;
    std::string& first = t.first[kind];
    char number[32];
    for (const double entered : input.entered) {
        std::snprintf(number, sizeof number, "%.17g ", entered);
        first += number;
    }
    std::snprintf(number, sizeof number, "-> %.17g", usf);
    first += number;
}
