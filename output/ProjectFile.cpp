#include "output/ProjectFile.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "base/InputLines.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "base/QuotedText.h"

using nlohmann::json;

namespace {

// A project holds a few short texts; anything much larger is not one.
constexpr std::size_t MaxProjectBytes = 1024 * 1024;
constexpr std::string_view FormatName = "Umbravel project";

// Entries are kept as typed ("1e5" stays "1e5"); a number written by another program is read
// too.
std::string DimensionText(const json& value) {
    if (value.is_number())
        return RoundTripText(value.get<double>());
    return value.get<std::string>();
}

// The dimension boxes by the names the screens give them.
constexpr std::pair<const char*, std::string DimensionTexts::*> DimensionKeys[] = {
    {"W'", &DimensionTexts::WP}, {"W", &DimensionTexts::W},    {"H", &DimensionTexts::H},
    {"h", &DimensionTexts::Lh},  {"h'", &DimensionTexts::LhP}, {"L", &DimensionTexts::L},
};

template <class Row, std::size_t N>
auto Named(const std::array<Row, N>& table, const json& value, const char* key,
           std::string_view Row::*name = &Row::option) {
    const std::string word = value.get<std::string>();
    const auto row = RowNamed(table, word, name);
    if (!row)
        throw ProjectRefused(std::string("\"") + key + "\" cannot be " + QuotedText(word));
    return *row;
}

// The line of the byte, from 1.
std::size_t LineOf(std::string_view text, std::size_t byte) {
    const std::size_t end = std::min(byte, text.size());
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + end, '\n'));
}

// Each value the document gives, read into the project; a value of the wrong kind is refused
// by nlohmann's type error, which names it.
void ReadValues(const json& d, Project& p) {
    const json& device = d.value("device", json::object());
    if (device.contains("geometry"))
        p.geometry =
            Named(GeometryTable, device["geometry"], "geometry", &GeometryNames::projectName)
                .geometry;
    if (device.contains("layout"))
        p.layout = Named(LayoutTable, device["layout"], "layout").layout;
    if (device.contains("unit"))
        p.unit = Named(LengthUnitTable, device["unit"], "unit").unit;
    const json& dims = device.value("dimensions", json::object());
    for (const auto& [key, member] : DimensionKeys) {
        if (dims.contains(key))
            p.dimensions.*member = DimensionText(dims[key]);
    }
    p.caseText = device.value("case", p.caseText);
    p.header = device.value("header", p.header);

    const json& sun = d.value("sun", json::object());
    if (sun.contains("mode"))
        p.mode = Named(SourceModeTable, sun["mode"], "mode").mode;
    if (sun.contains("altitude"))
        p.solarAltitude = DimensionText(sun["altitude"]);
    if (sun.contains("azimuth"))
        p.solarAzimuth = DimensionText(sun["azimuth"]);

    const json& place = d.value("place", json::object());
    p.place.latitude = place.value("latitude", p.place.latitude);
    p.place.longitude = place.value("longitude", p.place.longitude);
    p.place.timeZone = place.value("time zone", p.place.timeZone);
    p.place.utcOffset = place.value("UTC offset", p.place.utcOffset);
    p.place.facing.bearing = place.value("facing", p.place.facing.bearing);
    if (place.contains("fin side"))
        p.place.facing.finSide = Named(FinSideTable, place["fin side"], "fin side").side;

    const json& year = d.value("year", json::object());
    p.year.year = year.value("year", p.year.year);
    p.year.weatherFile = year.value("weather file", p.year.weatherFile);
    p.year.groundReflectance = year.value("ground reflectance", p.year.groundReflectance);
    if (year.contains("sky"))
        p.year.sky = Named(SkyModelTable, year["sky"], "sky").sky;
    p.year.glazingPanes = year.value("glazing panes", p.year.glazingPanes);
    if (p.year.glazingPanes < 0 || p.year.glazingPanes > 3)
        throw ProjectRefused("\"glazing panes\" cannot be " + std::to_string(p.year.glazingPanes));
    p.year.clearSky = year.value("clear sky", p.year.clearSky);

    p.dataFolder = d.value("data folder", p.dataFolder);
}

}  // namespace

bool Project::SameDesign(const Project& other) const {
    Project a = *this, b = other;
    for (Project* p : {&a, &b}) {
        p->dimensions.DelW.clear();
        p->openedFrom.clear();
    }
    return a == b;
}

std::string ProjectText(const Project& p) {
    json d = p.openedFrom.empty() ? json::object() : json::parse(p.openedFrom);
    d["format"] = FormatName;
    d["version"] = ProjectVersion;
    json& device = d["device"];
    device["geometry"] = NamesOf(p.geometry).projectName;
    device["layout"] = NamesOf(p.layout).option;
    device["unit"] = NamesOf(p.unit).option;
    for (const auto& [key, member] : DimensionKeys)
        device["dimensions"][key] = p.dimensions.*member;
    device["case"] = p.caseText;
    device["header"] = p.header;
    json& sun = d["sun"];
    sun["mode"] = NamesOf(p.mode).option;
    sun["altitude"] = p.solarAltitude;
    sun["azimuth"] = p.solarAzimuth;
    json& place = d["place"];
    place["latitude"] = p.place.latitude;
    place["longitude"] = p.place.longitude;
    place["time zone"] = p.place.timeZone;
    place["UTC offset"] = p.place.utcOffset;
    place["facing"] = p.place.facing.bearing;
    place["fin side"] = NamesOf(p.place.facing.finSide).option;
    json& year = d["year"];
    year["year"] = p.year.year;
    year["weather file"] = p.year.weatherFile;
    year["ground reflectance"] = p.year.groundReflectance;
    year["sky"] = NamesOf(p.year.sky).option;
    year["glazing panes"] = p.year.glazingPanes;
    year["clear sky"] = p.year.clearSky;
    d["data folder"] = p.dataFolder;
    return d.dump(2) + '\n';
}

Project ReadProjectText(std::string_view text) {
    json d;
    try {
        d = json::parse(text);
    } catch (const json::parse_error& broken) {
        throw ProjectRefused("it is not a project: line " +
                             std::to_string(LineOf(text, broken.byte)) + " cannot be read");
    }
    if (!d.is_object() || d.value("format", std::string()) != FormatName)
        throw ProjectRefused("it is not an Umbravel project");
    const int version = d.value("version", 0);
    if (version > ProjectVersion)
        throw ProjectRefused("it was saved by a newer Umbravel (project version " +
                             std::to_string(version) + "); this one reads version " +
                             std::to_string(ProjectVersion) + " and older");
    Project p;
    try {
        ReadValues(d, p);
    } catch (const json::exception& wrong) {
        throw ProjectRefused(std::string("a value is of the wrong kind: ") + wrong.what());
    }
    p.openedFrom = d.dump();
    return p;
}

Project LoadProject(const std::string& path) {
    if (const std::string problem = SmallFileProblem(path, MaxProjectBytes); !problem.empty())
        throw ProjectRefused("The project " + QuotedText(path) + " cannot be opened: " + problem +
                             ".");
    std::string text;
    try {
        InputLines lines = InputLines::Open(path);
        for (std::string line; lines.Next(line);) {
            if (lines.LineNumber() > 1)
                text += '\n';
            text += line;
        }
    } catch (const InputFileError& fault) {
        throw ProjectRefused("The project " + QuotedText(path) +
                             " cannot be opened: " + fault.what() + ".");
    }
    try {
        return ReadProjectText(text);
    } catch (const ProjectRefused& refused) {
        throw ProjectRefused("The project " + QuotedText(path) +
                             " cannot be opened: " + refused.what() + ".");
    }
}

void SaveProject(const std::string& path, const Project& project) {
    WriteWholeFile(path, ProjectText(project));
}
