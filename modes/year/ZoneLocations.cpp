#include "modes/year/ZoneLocations.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/InputLines.h"
#include "base/NumberText.h"

namespace {

// One coordinate of the table: a sign, then degrees of `degreeDigits` digits, minutes and
// optionally seconds, two digits each ("+5230", "-1045903").
std::optional<double> Coordinate(std::string_view text, std::size_t degreeDigits) {
    if (text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    double value = 0;
    double unit = 1;
    std::size_t at = 1;
    for (std::size_t width : {degreeDigits, std::size_t{2}, std::size_t{2}}) {
        if (at >= text.size())
            break;
        int part = 0;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + width, part);
        if (error != std::errc() || end != text.data() + at + width)
            return std::nullopt;
        value += part / unit;
        unit *= 60;
        at += width;
    }
    return text[0] == '-' ? -value : value;
}

std::optional<ZoneLocation> FromLine(std::string_view line, std::string_view zone) {
    if (line.empty() || line[0] == '#')
        return std::nullopt;
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    if (tab1 == std::string_view::npos || tab2 == std::string_view::npos)
        return std::nullopt;
    const std::size_t tab3 = line.find('\t', tab2 + 1);
    if (line.substr(tab2 + 1, tab3 - tab2 - 1) != zone)
        return std::nullopt;
    const std::string_view coordinates = line.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::size_t split = coordinates.find_first_of("+-", 1);
    if (split == std::string_view::npos)
        return std::nullopt;
    const auto latitude = Coordinate(coordinates.substr(0, split), 2);
    const auto longitude = Coordinate(coordinates.substr(split), 3);
    if (!latitude || !longitude)
        return std::nullopt;
    return ZoneLocation{*latitude, *longitude};
}

}  // namespace

std::optional<ZoneLocation> ReadZoneLocation(const std::string& tablePath, std::string_view zone) {
    try {
        InputLines lines = InputLines::Open(tablePath);
        for (std::string line; lines.Next(line);) {
            if (auto found = FromLine(line, zone))
                return found;
        }
    } catch (const InputFileError&) {
        // Without the table there is no place to offer: the caller has its own.
    }
    return std::nullopt;
}

std::string ZoneDistanceWarning(double longitude, double utcOffsetHours) {
    const double sunHours = longitude / 15;
    double apart = std::fmod(std::fabs(sunHours - utcOffsetHours), 24);
    apart = std::min(apart, 24 - apart);  // across the date line
    if (apart <= 2)
        return {};
    return "The longitude is " + PatternText(apart, "0.0") +
           " hours of sun time away from the time zone: check the place and the zone.";
}
