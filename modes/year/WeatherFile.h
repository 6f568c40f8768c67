#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/InputLines.h"
#include "modes/year/SunPosition.h"

// A year of hourly weather from an EnergyPlus weather file (.epw): its place and, for each
// hour, the irradiation the window's calculation needs.

struct WeatherLocation {
    std::string name;  // city, region and country as the file gives them
    Place place;
    double utcOffset = 0;  // hours of the file's local standard time ahead of UTC
};

// One hour's irradiation in Wh/m2, summed over the hour that ends at the record's hour.
struct WeatherHour {
    int month, day, hour;  // hour 1 to 24
    double directNormal, diffuseHorizontal, globalHorizontal;
    bool missing;  // one of the three is the missing-value marker
    // The air at the hour's end, for the sun's refraction; none where the file gives no usable
    // value.
    std::optional<double> dryBulb = std::nullopt;          // degrees Celsius
    std::optional<double> stationPressure = std::nullopt;  // hPa
};

struct WeatherYear {
    WeatherLocation location;
    std::vector<WeatherHour> hours;  // 8760, or 8784 with 29 February, in calendar order
    int missingHours = 0;
};

// A file that cannot be used; the message gives the line number and the reason.
class WeatherFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws WeatherFileError for a file that is not a regular file, a line longer than
// MaxLineBytes or a field that is not a finite number within its bounds.
WeatherYear ReadWeatherFile(const std::string& path);
// The same from lines already open.
WeatherYear ReadWeatherLines(InputLines lines);
