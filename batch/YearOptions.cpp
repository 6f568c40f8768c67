#include "batch/YearOptions.h"

#include "base/QuotedText.h"
#include "batch/BatchOptions.h"
#include "model/ExactShadow.h"
#include "modes/year/YearEntries.h"

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
}

void CheckYearOptions(YearOptions& y) {
    CheckYearPlace(y);
    if (y.csv.empty())
        throw UsageError("--mode year needs --csv");
    if (!y.monthlyCsv.empty() && !y.weather)
        throw UsageError("--monthly-csv needs --weather");
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
    e.groundReflectance = y.reflectance;
    return YearSettingsFrom(e);
}
