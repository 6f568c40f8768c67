#include "RangeRecord.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

RangeRecord::RangeRecord(std::string_view procedure, std::span<const std::string_view> caseNames)
    : procedure_(procedure), caseNames_(caseNames), tallies_(caseNames.size() * 3) {}

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
    if (shadowCase >= caseNames_.size())
        std::abort();
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
