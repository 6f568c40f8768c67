#include "batch/YearOptions.h"

#include "batch/BatchOptions.h"

namespace {

// A name EnergyPlus reads back from a CSV cell or an input field: a comma, a semicolon or an
// exclamation mark would end it early, a control character break its line.
void RequireEnergyPlusName(const char* option, const std::string& name) {
    if (name.empty())
        throw UsageError(std::string(option) + " must not be empty");
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ',' || c == ';' || c == '!')
            throw UsageError(std::string(option) +
                             " must not hold a comma, a semicolon, an exclamation mark or a "
                             "control character");
    }
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
