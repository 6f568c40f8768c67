#include "batch/YearOptions.h"

#include "batch/BatchOptions.h"

void CheckYearOptions(YearOptions& y) {
    if (y.weather) {
        const WeatherLocation& at = y.weather->location;
        y.latitude = y.latitude.value_or(at.place.latitude);
        y.longitude = y.longitude.value_or(at.place.longitude);
        y.utcOffset = y.utcOffset.value_or(at.utcOffset);
    }
    const std::pair<bool, const char*> required[] = {
        {y.latitude.has_value(), "--latitude"},
        {y.longitude.has_value(), "--longitude"},
        {y.utcOffset.has_value(), "--utc-offset"},
        {y.facing.has_value(), "--facing"},
        {y.finSide.has_value(), "--fin-side"},
        {y.year.has_value(), "--year"},
        {!y.csv.empty(), "--csv"},
    };
    for (const auto& [given, option] : required) {
        if (!given)
            throw UsageError(std::string("--mode year needs ") + option);
    }
    if (!y.monthlyCsv.empty() && !y.weather)
        throw UsageError("--monthly-csv needs --weather");
}
