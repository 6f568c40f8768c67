#include "modes/year/WeatherFile.h"

#include <chrono>
#include <fstream>
#include <string_view>

#include "base/CheckedNumber.h"
#include "base/CsvFields.h"
#include "modes/year/PlaceBounds.h"

namespace {

constexpr int HeaderLines = 8;
constexpr double MissingMarker = 9999;

// Positions of the fields used, counted from 0.
constexpr int LocationLatitude = 6, LocationLongitude = 7, LocationZone = 8, LocationElevation = 9;
constexpr int RecordMonth = 1, RecordDay = 2, RecordHour = 3, RecordDryBulb = 6, RecordPressure = 9;
constexpr int RecordGlobal = 13, RecordDirect = 14, RecordDiffuse = 15;

class LineReader {
  public:
    explicit LineReader(InputLines lines) : lines_(std::move(lines)) {}

    bool Next(std::string& line) {
        try {
            return lines_.Next(line);
        } catch (const InputFileError& e) {
            throw WeatherFileError(e.what());
        }
    }

    [[noreturn]] void Refuse(const std::string& reason) const {
        throw WeatherFileError("line " + std::to_string(lines_.LineNumber()) + ": " + reason);
    }

    std::vector<std::string> Fields(std::string_view line) const {
        try {
            return CsvFields(line);
        } catch (const CsvQuoteError& e) {
            Refuse(e.what());
        }
    }

    double Number(std::string_view field, const char* what, const NumberBounds& bounds) const {
        try {
            return ReadCheckedNumber(field, bounds);
        } catch (const NumberRefused& refused) {
            Refuse(std::string(what) + " " + refused.what());
        }
    }

    int WholeNumber(std::string_view field, const char* what, int low, int high) const {
        return static_cast<int>(Number(field, what, {double(low), double(high), true}));
    }

  private:
    InputLines lines_;
};

WeatherLocation ReadLocation(LineReader& reader) {
    std::string line;
    if (!reader.Next(line))
        reader.Refuse("the file is empty");
    const auto f = reader.Fields(line);
    if (f[0] != "LOCATION" || f.size() <= LocationElevation)
        reader.Refuse("expected the LOCATION line with ten fields");
    WeatherLocation location;
    location.name = std::string(f[1]) + ", " + std::string(f[2]) + ", " + std::string(f[3]);
    location.place.latitude = reader.Number(f[LocationLatitude], "latitude", LatitudeBounds);
    location.place.longitude = reader.Number(f[LocationLongitude], "longitude", LongitudeBounds);
    location.utcOffset = reader.Number(f[LocationZone], "time zone", UtcOffsetBounds);
    location.place.elevation = reader.Number(f[LocationElevation], "elevation", ElevationBounds);
    return location;
}

// The month, day and hour the next record must carry, after prev.
WeatherHour Following(const WeatherHour& prev, bool leap) {
    using namespace std::chrono;
    if (prev.hour < 24)
        return {prev.month, prev.day, prev.hour + 1, 0, 0, 0, false};
    year_month_day next{sys_days{year{leap ? 2024 : 2025} / prev.month / prev.day} + days{1}};
    return {static_cast<int>(static_cast<unsigned>(next.month())),
            static_cast<int>(static_cast<unsigned>(next.day())),
            1,
            0,
            0,
            0,
            false};
}

double Irradiation(const LineReader& reader, std::string_view field, const char* what,
                   bool& missing) {
    const double value = reader.Number(field, what, {0});
    if (value >= MissingMarker) {
        missing = true;
        return 0;
    }
    return value;
}

// A value the refraction may use: a number within the bounds the format allows. Anything else,
// the missing-value markers among them, leaves the refraction to the standard air.
std::optional<double> AirValue(std::string_view field, double low, double high) {
    try {
        return ReadCheckedNumber(field, {low, high});
    } catch (const NumberRefused&) {
        return std::nullopt;
    }
}

}  // namespace

WeatherYear ReadWeatherFile(const std::string& path) {
    try {
        return ReadWeatherLines(InputLines::Open(path));
    } catch (const InputFileError& e) {
        throw WeatherFileError(e.what());
    }
}

WeatherYear ReadWeatherLines(InputLines lines) {
    LineReader reader(std::move(lines));
    WeatherYear weather;
    weather.location = ReadLocation(reader);
    std::string line;
    for (int i = 1; i < HeaderLines; ++i) {
        if (!reader.Next(line))
            reader.Refuse("the file ends inside its header of eight lines");
    }
    bool leap = false;
    WeatherHour expected{12, 31, 24, 0, 0, 0, false};
    while (reader.Next(line)) {
        if (line.empty())
            continue;
        const auto f = reader.Fields(line);
        if (f.size() <= RecordDiffuse)
            reader.Refuse("the record has " + std::to_string(f.size()) +
                          " fields; it is cut short");
        WeatherHour hour{reader.WholeNumber(f[RecordMonth], "month", 1, 12),
                         reader.WholeNumber(f[RecordDay], "day", 1, 31),
                         reader.WholeNumber(f[RecordHour], "hour", 1, 24),
                         0,
                         0,
                         0,
                         false};
        if (expected.month == 2 && expected.day == 28 && expected.hour == 24 && hour.day == 29)
            leap = true;
        expected = Following(expected, leap);
        if (hour.month != expected.month || hour.day != expected.day ||
            hour.hour != expected.hour) {
            reader.Refuse("expected month " + std::to_string(expected.month) + ", day " +
                          std::to_string(expected.day) + ", hour " + std::to_string(expected.hour) +
                          ": the records are not one a hour");
        }
        hour.globalHorizontal =
            Irradiation(reader, f[RecordGlobal], "global horizontal irradiation", hour.missing);
        hour.directNormal =
            Irradiation(reader, f[RecordDirect], "direct normal irradiation", hour.missing);
        hour.diffuseHorizontal =
            Irradiation(reader, f[RecordDiffuse], "diffuse horizontal irradiation", hour.missing);
        hour.dryBulb = AirValue(f[RecordDryBulb], -70, 70);
        if (const auto pascals = AirValue(f[RecordPressure], 31000, 120000))
            hour.stationPressure = *pascals / 100;
        weather.missingHours += hour.missing ? 1 : 0;
        weather.hours.push_back(hour);
        if (weather.hours.size() > 8784)
            reader.Refuse("more hourly records than a year holds");
    }
    if (weather.hours.size() != (leap ? 8784u : 8760u) ||
        !(expected.month == 12 && expected.day == 31 && expected.hour == 24)) {
        reader.Refuse("the file ends after " + std::to_string(weather.hours.size()) +
                      " hourly records; a year has 8760, or 8784 with 29 February");
    }
    return weather;
}
