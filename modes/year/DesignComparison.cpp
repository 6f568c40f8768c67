#include "modes/year/DesignComparison.h"

std::array<PeriodComparison, 3> ComparePeriods(const YearTotals& first, const YearTotals& second,
                                               bool throughGlass) {
    const auto with = [throughGlass](const YearTotals& t, std::span<const int> period) {
        const WindowIrradiation sum = PeriodSum(t.with, period);
        return throughGlass ? sum.throughGlass : sum.Total();
    };
    const auto removed = throughGlass ? RemovedThroughGlassPercent : RemovedPercent;
    const std::array<std::span<const int>, 3> periods = {WholeYear, JuneToAugust,
                                                         DecemberToFebruary};
    std::array<PeriodComparison, 3> rows{};
    for (std::size_t p = 0; p < periods.size(); ++p) {
        rows[p] = {with(first, periods[p]), with(second, periods[p]), removed(first, periods[p]),
                   removed(second, periods[p])};
    }
    return rows;
}
