#include "modes/year/DesignComparison.h"

std::array<PeriodComparison, 3> ComparePeriods(const YearTotals& first, const YearTotals& second,
                                               bool throughGlass) {
    const auto with = [throughGlass](const YearTotals& t, std::span<const int> period) {
        const WindowIrradiation sum = PeriodSum(t.with, period);
        return throughGlass ? sum.throughGlass : sum.Total();
    };
    const std::array<double, 3> firstRemoved = RemovedByPeriod(first, throughGlass);
    const std::array<double, 3> secondRemoved = RemovedByPeriod(second, throughGlass);
    std::array<PeriodComparison, 3> rows{};
    for (std::size_t p = 0; p < YearPeriods.size(); ++p) {
        rows[p] = {with(first, YearPeriods[p]), with(second, YearPeriods[p]), firstRemoved[p],
                   secondRemoved[p]};
    }
    return rows;
}
