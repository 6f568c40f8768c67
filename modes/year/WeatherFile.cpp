#include "modes/year/WeatherFile.h"

#include <chrono>
#include <fstream>
#include <optional>
#include <string_view>

#include "base/CsvFields.h"
#include "base/NumberText.h"

namespace {

constexpr int HeaderLines = 8;
constexpr double MissingMarker = 9999;

// Positions of the fields used, counted from 0.
constexpr int LocationLatitude = 6, LocationLongitude = 7, LocationZone = 8, LocationElevation = 9;
constexpr int RecordMonth = 1, RecordDay = 2, RecordHour = 3, RecordDryBulb = 6, RecordPressure = 9;
constexpr int RecordGlobal = 13, RecordDirect = 14, RecordDiffuse = 15;

std::string_view Trimmed(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    return field;
}

class LineReader {
  public:
    explicit LineReader(const std::string& path) : file_(path, std::ios::binary) {
        if (!file_)
            throw WeatherFileError(path + ": cannot be opened");
    }

    bool Next(std::string& line) {
        if (!std::getline(file_, line))
            return false;
        ++number_;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

    [[noreturn]] void Refuse(const std::string& reason) const {
        throw WeatherFileError("line " + std::to_string(number_) + ": " + reason);
    }

    std::vector<std::string> Fields(std::string_view line) const {
        try {
            return CsvFields(line);
        } catch (const CsvQuoteError& e) {
            Refuse(e.what());
        }
    }

    double Number(std::string_view field, const char* what) const {
        field = Trimmed(field);
        const std::optional<double> value = ReadStrictNumber(field);
        if (!value)
            Refuse(std::string(what) + " \"" + std::string(field) + "\" is not a number");
        return *value;
    }

    void Within(double value, double low, double high, const char* what) const {
        if (value < low || value > high)
            Refuse(std::string(what) + " " + PlainNumberText(value) + " is out of range");
    }

  private:
    std::ifstream file_;
    int number_ = 0;
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
    location.place.latitude = reader.Number(f[LocationLatitude], "latitude");
    location.place.longitude = reader.Number(f[LocationLongitude], "longitude");
    location.utcOffset = reader.Number(f[LocationZone], "time zone");
    location.place.elevation = reader.Number(f[LocationElevation], "elevation");
    reader.Within(location.place.latitude, -90, 90, "latitude");
    reader.Within(location.place.longitude, -180, 180, "longitude");
    reader.Within(location.utcOffset, -12, 14, "time zone");
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
    const double value = reader.Number(field, what);
    if (value >= MissingMarker) {
        missing = true;
        return 0;
    }
    reader.Within(value, 0, MissingMarker, what);
    return value;
}

// A value the refraction may use: a number within the bounds the format allows. Anything else,
// the missing-value markers among them, leaves the refraction to the standard air.
std::optional<double> AirValue(std::string_view field, double low, double high) {
    const std::optional<double> value = ReadStrictNumber(Trimmed(field));
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

}  // namespace

WeatherYear ReadWeatherFile(const std::string& path) {
    LineReader reader(path);
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
        WeatherHour hour{static_cast<int>(reader.Number(f[RecordMonth], "month")),
                         static_cast<int>(reader.Number(f[RecordDay], "day")),
                         static_cast<int>(reader.Number(f[RecordHour], "hour")),
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
