#include "batch/ProjectOptions.h"

#include "base/NumberText.h"

std::vector<std::pair<std::string_view, std::string>> ProjectOptionValues(const Project& p) {
    const DimensionTexts& d = p.dimensions;
    std::vector<std::pair<std::string_view, std::string>> values = {
        {"--geometry", std::string(NamesOf(p.geometry).option)},
        {"--layout", std::string(NamesOf(p.layout).option)},
        {"--awning-width", d.WP},
        {"--window-width", d.W},
        {"--window-height", d.H},
        {"--front-height", d.Lh},
        {"--height-difference", d.LhP},
        {"--projection", d.L},
        {"--case", p.caseText},
        {"--mode", std::string(NamesOf(p.mode).option)},
        {"--altitude", p.solarAltitude},
        {"--azimuth", p.solarAzimuth},
        {"--latitude", RoundTripText(p.place.latitude)},
        {"--longitude", RoundTripText(p.place.longitude)},
        {"--utc-offset", RoundTripText(p.place.utcOffset)},
        {"--facing", RoundTripText(p.place.facing.bearing)},
        {"--fin-side", std::string(NamesOf(p.place.facing.finSide).option)},
        {"--year", std::to_string(p.year.year)},
        {"--reflectance", RoundTripText(p.year.groundReflectance)},
        {"--sky", std::string(NamesOf(p.year.sky).option)},
    };
    const std::pair<std::string_view, const std::string&> unlessEmpty[] = {
        {"--header", p.header},
        {"--weather", p.year.weatherFile},
        {"--folder", p.dataFolder},
    };
    for (const auto& [option, text] : unlessEmpty) {
        if (!text.empty())
            values.emplace_back(option, text);
    }
    // The clear sky stands in for a weather file only, and glass needs the one or the other.
    if (p.year.clearSky && p.year.weatherFile.empty())
        values.emplace_back("--clear-sky", "");
    if (p.year.glazingPanes > 0 && (p.year.clearSky || !p.year.weatherFile.empty()))
        values.emplace_back("--glazing", std::to_string(p.year.glazingPanes));
    return values;
}
