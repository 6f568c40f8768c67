#include "batch/YearOptions.h"

#include "base/QuotedText.h"
#include "batch/BatchOptions.h"
#include "model/ExactShadow.h"
#include "modes/year/YearEntries.h"
#include "output/EnergyPlusName.h"

namespace {

void RequireEnergyPlusName(const char* option, const std::string& name) {
    if (const std::string problem = EnergyPlusNameProblem(name); !problem.empty())
        throw UsageError(std::string(option) + " " + problem);
}

}  // namespace

void TakeWeatherFile(YearOptions& y, std::string_view option, const std::string& path) {
    try {
        y.weather = y.weatherFiles->Get(
            path, [&] { return std::make_shared<const WeatherYear>(ReadWeatherFile(path)); });
        y.weatherPath = path;
    } catch (const WeatherFileError& e) {
        throw UsageError(std::string(option) + " " + QuotedText(path) + ": " + e.what());
    }
}

void CheckYearPlace(YearOptions& y) {
    if (y.weather) {
        const WeatherLocation& at = y.weather->location;
        y.latitude = y.latitude.value_or(at.place.latitude);
        y.longitude = y.longitude.value_or(at.place.longitude);
        y.utcOffset = y.utcOffset.value_or(at.utcOffset);
    }
    const std::pair<bool, const char*> required[] = {
        {y.latitude.has_value(), "--latitude"},    {y.longitude.has_value(), "--longitude"},
        {y.utcOffset.has_value(), "--utc-offset"}, {y.facing.has_value(), "--facing"},
        {y.finSide.has_value(), "--fin-side"},     {y.year.has_value(), "--year"},
    };
    for (const auto& [given, option] : required) {
        if (!given)
            throw UsageError(std::string("--mode year needs ") + option);
    }
    if (y.clearSky && y.weather)
        throw UsageError("--clear-sky and --weather exclude each other");
    if (y.glazingPanes > 0 && !y.weather && !y.clearSky)
        throw UsageError("--glazing needs --weather or --clear-sky");
}

void CheckYearOptions(YearOptions& y) {
    CheckYearPlace(y);
    if (y.csv.empty())
        throw UsageError("--mode year needs --csv");
    if (!y.monthlyCsv.empty() && !y.weather && !y.clearSky)
        throw UsageError("--monthly-csv needs --weather or --clear-sky");
    if (y.energyPlusSchedule.empty() != y.surface.empty())
        throw UsageError("--energyplus-schedule and --surface go together");
    if (!y.surface.empty())
        RequireEnergyPlusName("--surface", y.surface);
    if (y.energyPlusIdf.empty() != y.window.empty())
        throw UsageError("--energyplus-idf and --window go together");
    if (!y.window.empty())
        RequireEnergyPlusName("--window", y.window);
}

YearSettings YearSettingsOf(const YearOptions& y, const ShadingCase& c) {
    YearEntries e;
    e.latitude = *y.latitude;
    e.longitude = *y.longitude;
    e.elevation = y.elevation;
    e.utcOffset = *y.utcOffset;
    e.facing = {*y.facing, *y.finSide};
    e.year = *y.year;
    e.stepMinutes = y.stepMinutes;
    e.device = DeviceShapeOf(c);
    e.weather = y.weather.get();
    e.clearSky = y.clearSky;
    e.sky = y.sky;
    e.glazingPanes = y.glazingPanes;
    e.groundReflectance = y.reflectance;
    return YearSettingsFrom(e);
}
