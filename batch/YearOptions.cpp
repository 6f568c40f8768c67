#include "batch/YearOptions.h"

#include "batch/BatchOptions.h"
#include "output/EnergyPlusName.h"

namespace {

void RequireEnergyPlusName(const char* option, const std::string& name) {
    if (const std::string problem = EnergyPlusNameProblem(name); !problem.empty())
        throw UsageError(std::string(option) + " " + problem);
}

}  // namespace

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
    if (y.clearSky && y.weather)
        throw UsageError("--clear-sky and --weather exclude each other");
    const bool irradiated = y.weather || y.clearSky;
    if (!y.monthlyCsv.empty() && !irradiated)
        throw UsageError("--monthly-csv needs --weather or --clear-sky");
    if (y.glazingPanes > 0 && !irradiated)
        throw UsageError("--glazing needs --weather or --clear-sky");
    if (y.energyPlusSchedule.empty() != y.surface.empty())
        throw UsageError("--energyplus-schedule and --surface go together");
    if (!y.surface.empty())
        RequireEnergyPlusName("--surface", y.surface);
    if (y.energyPlusIdf.empty() != y.window.empty())
        throw UsageError("--energyplus-idf and --window go together");
    if (!y.window.empty())
        RequireEnergyPlusName("--window", y.window);
}
