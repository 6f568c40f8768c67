#include "batch/YearOptions.h"

#include <charconv>

#include "base/NumberText.h"
#include "batch/BatchOptions.h"
#include "batch/OptionParsing.h"

namespace {

double StrictNumber(const std::string& option, const std::string& value, double low, double high) {
    double x = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), x);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        throw UsageError(option + " must be a number, not \"" + value + "\"");
    if (x < low || x > high) {
        throw UsageError(option + " must lie between " + PlainNumberText(low) + " and " +
                         PlainNumberText(high) + ", not " + value);
    }
    return x;
}

FinSide ParseFinSide(const std::string& value) {
    return ParseOptionWord<FinSide>("--fin-side", value,
                                    {{"left", FinSide::Left}, {"right", FinSide::Right}});
}

int ParseStep(const std::string& value) {
    const double minutes = StrictNumber("--step", value, 1, 60);
    const int whole = static_cast<int>(minutes);
    if (whole != minutes || 60 % whole != 0)
        throw UsageError("--step must be a whole number of minutes that divides 60, not " + value);
    return whole;
}

}  // namespace

bool ParseYearOption(const std::vector<std::string>& args, std::size_t& i, YearOptions& y) {
    const OptionSetters valued = {
        {"--latitude", [&](const auto& v) { y.latitude = StrictNumber("--latitude", v, -90, 90); }},
        {"--longitude",
         [&](const auto& v) { y.longitude = StrictNumber("--longitude", v, -180, 180); }},
        {"--utc-offset",
         [&](const auto& v) { y.utcOffset = StrictNumber("--utc-offset", v, -12, 14); }},
        {"--elevation",
         [&](const auto& v) { y.elevation = StrictNumber("--elevation", v, -500, 9000); }},
        {"--facing", [&](const auto& v) { y.facing = StrictNumber("--facing", v, 0, 360); }},
        {"--fin-side", [&](const auto& v) { y.finSide = ParseFinSide(v); }},
        {"--year",
         [&](const auto& v) {
             const double year = StrictNumber("--year", v, 1800, 2200);
             if (year != static_cast<int>(year))
                 throw UsageError("--year must be a whole year, not " + v);
             y.year = static_cast<int>(year);
         }},
        {"--step", [&](const auto& v) { y.stepMinutes = ParseStep(v); }},
        {"--weather",
         [&](const auto& v) {
             try {
                 y.weather = std::make_shared<const WeatherYear>(ReadWeatherFile(v));
             } catch (const WeatherFileError& e) {
                 throw UsageError("--weather " + v + ": " + e.what());
             }
         }},
        {"--reflectance",
         [&](const auto& v) { y.reflectance = StrictNumber("--reflectance", v, 0, 1); }},
        {"--csv", [&](const auto& v) { y.csv = v; }},
        {"--monthly-csv", [&](const auto& v) { y.monthlyCsv = v; }},
    };
    return TakeOptionValue(valued, args, i);
}

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

std::string YearHelpText() {
    return R"(
Shading year (--mode year)
  --latitude DEG           latitude, north positive, -90 to 90
  --longitude DEG          longitude, east positive, -180 to 180
  --utc-offset HOURS       local standard time ahead of UTC, -12 to 14
  --elevation M            height above sea level (default 0)
                           (with --weather these four default to the file's place)
  --facing DEG             compass bearing of the window's outward normal, 0 to 360
  --fin-side left|right    side of the fin, seen from outside facing the window
  --year YYYY              the calendar year, 8760 or 8784 hours
  --step MINUTES           length of each step, dividing 60 (default 60)
  --weather FILE           EnergyPlus weather file (.epw) for the irradiation on the window
  --reflectance R          ground reflectance, 0 to 1 (default 0.2)
  --csv FILE               one row per step: time, sun, window angles, beam USF (and the
                           irradiation on the window without and with the device)
  --monthly-csv FILE       irradiation on the window by month (needs --weather)
)";
}
