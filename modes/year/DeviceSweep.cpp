#include "modes/year/DeviceSweep.h"

#include <tbb/parallel_for.h>

#include <atomic>
#include <stdexcept>

double SweepValue(const SweepRange& range, int k) {
    if (k == range.steps - 1)
        return range.to;
    return range.from + (range.to - range.from) * k / (range.steps - 1);
}

namespace {

struct SweptPlace {
    double DeviceShape::*length;
    std::string DimensionTexts::*text;
    std::string_view symbol;
};

// In the order of SweptDimension.
constexpr SweptPlace SweptPlaces[] = {
    {&DeviceShape::L, &DimensionTexts::L, "L"},
    {&DeviceShape::Lh, &DimensionTexts::Lh, "h"},
    {&DeviceShape::WP, &DimensionTexts::WP, "W'"},
};

}  // namespace

double DeviceShape::*LengthOf(SweptDimension dimension) {
    return SweptPlaces[static_cast<std::size_t>(dimension)].length;
}

std::string DimensionTexts::*BoxTextOf(SweptDimension dimension) {
    return SweptPlaces[static_cast<std::size_t>(dimension)].text;
}

std::string_view SymbolOf(SweptDimension dimension) {
    return SweptPlaces[static_cast<std::size_t>(dimension)].symbol;
}

double DimensionOf(const DeviceShape& device, SweptDimension dimension) {
    return device.*LengthOf(dimension);
}

DeviceShape WithDimension(DeviceShape device, SweptDimension dimension, double value) {
    device.*LengthOf(dimension) = value;
    return device;
}

std::vector<SweepRow> SweepDevice(const YearEntries& entries, const SweepRange& range,
                                  const std::function<void(int done)>& onValueDone,
                                  std::stop_token stop) {
    if (range.steps < FewestSweepSteps || range.steps > MostSweepSteps)
        throw std::invalid_argument("a sweep has 2 to 200 steps");
    const YearSettings base = YearSettingsFrom(entries);
    if (!base.Irradiated())
        throw std::invalid_argument("a sweep needs a weather file or the clear sky");
    const std::vector<SunAngles> sun = SunAtEveryStep(base);

    std::vector<SweepRow> rows(static_cast<std::size_t>(range.steps));
    std::atomic<int> done = 0;
    tbb::parallel_for(0, range.steps, [&](int k) {
        if (stop.stop_requested())
            return;
        const double value = SweepValue(range, k);
        YearEntries e = entries;
        e.device = WithDimension(entries.device, range.dimension, value);
        YearSettings s = YearSettingsFrom(e);
        s.sun = &sun;
        const YearTotals totals = RunShadingYear(s, {}, stop);
        rows[static_cast<std::size_t>(k)] = {value, RemovedByPeriod(totals, s.glazingPanes > 0)};
        const int count = ++done;
        if (onValueDone)
            onValueDone(count);
    });
    return rows;
}
