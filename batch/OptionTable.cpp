#include "batch/OptionTable.h"

#include <memory>

#include "base/QuotedText.h"
#include "batch/OptionValues.h"
#include "batch/ProjectOptions.h"
#include "model/CaseKinds.h"
#include "modes/beam/SunEntry.h"
#include "modes/year/ClearSky.h"
#include "modes/year/PlaceBounds.h"
#include "platform/ProgramFolder.h"

namespace {

using Option = std::string_view;
using Value = const std::string&;

std::string Default(std::string_view text) {
    return " (default " + std::string(text) + ")";
}

std::string Quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// The defaults shown are the ones a run takes.
std::vector<BatchOption> MakeTable() {
    const BatchOptions d;
    const std::string files = "Output files";
    const std::string geometry = "Geometry";
    const std::string calculation = "Calculation";
    const std::string study = "Parametric study";
    const std::string results = "Results";
    const std::string year = "Shading year (--mode year)";
    const std::string help = "Help";
    return {
        {"Project", "--project", "FILE.umbravel",
         "a design saved by the wizard: its device, sun, place, year, weather file and data "
         "folder, as if given by their options here; options after it override its values",
         [](BatchOptions& o, Option n, Value v) {
             try {
                 for (const auto& [option, value] : ProjectOptionValues(LoadProject(v)))
                     TakeOption(o, option, value);
             } catch (const ProjectRefused& refused) {
                 throw UsageError(std::string(n) + ": " + refused.what());
             }
         }},
        {files, "--folder", "DIR",
         "data folder for the print and data files, ending in \"/\"; files are named by joining "
         "it with the file name, created when missing (default: the saved default folder, else "
         "the program's " +
             std::string(DefaultDataFolderName) + " folder)",
         [](BatchOptions& o, Option, Value v) { o.folder = v; }},
        {files, "--print-file", "NAME",
         "print file name, without \"/\"" + Default(Quoted(d.printFile)),
         [](BatchOptions& o, Option, Value v) {
             o.printFile = v;
             o.printFileGiven = true;
         }},
        {files, "--append", "",
         "append to the print file; without it the print file is started afresh with one empty "
         "line",
         [](BatchOptions& o, Option, Value) { o.append = true; }},

        {geometry, "--geometry", WordList(GeometryTable, "|", "|"),
         "1 awning only, 2 side fins only, 3 awning and fins" + Default(NamesOf(d.geometry).option),
         [](BatchOptions& o, Option n, Value v) {
             o.geometry = WordRow(n, GeometryTable, v).geometry;
         }},
        {geometry, "--awning-width", "W'", "awning width" + Default(d.awningWidth),
         [](BatchOptions& o, Option, Value v) { o.awningWidth = v; }},
        {geometry, "--window-width", "W", "window width, not zero" + Default(d.windowWidth),
         [](BatchOptions& o, Option, Value v) { o.windowWidth = v; }},
        {geometry, "--window-height", "H", "window height, not zero" + Default(d.windowHeight),
         [](BatchOptions& o, Option, Value v) { o.windowHeight = v; }},
        {geometry, "--front-height", "h",
         "height of the awning's front edge above the sill" + Default(d.frontHeight),
         [](BatchOptions& o, Option, Value v) { o.frontHeight = v; }},
        {geometry, "--height-difference", "h'",
         "height of the back edge above the front edge" + Default(d.heightDifference),
         [](BatchOptions& o, Option, Value v) { o.heightDifference = v; }},
        {geometry, "--projection", "L",
         "distance from the wall to the front edge, not zero" + Default(d.projection),
         [](BatchOptions& o, Option, Value v) { o.projection = v; }},
        {geometry, "--case", "TEXT",
         "geometry case description, one line without control characters" +
             Default(Quoted(d.caseText)),
         [](BatchOptions& o, Option, Value v) { o.caseText = v; }},
        {geometry, "--header", "TEXT",
         "header line of the output, one line without control characters (default: built from "
         "the dimensions)",
         [](BatchOptions& o, Option, Value v) { o.header = v; }},

        {calculation, "--mode", WordList(SourceModeTable, "|", "|"),
         "single sun position, diffuse sky and ground, a matrix of sun positions, or the shading "
         "over a year at a place" +
             Default(NamesOf(d.sourceMode).option),
         [](BatchOptions& o, Option n, Value v) {
             o.sourceMode = WordRow(n, SourceModeTable, v).mode;
         }},
        {calculation, "--altitude", "DEG", "solar altitude for the beam mode" + Default(d.altitude),
         [](BatchOptions& o, Option, Value v) { o.altitude = v; }},
        {calculation, "--azimuth", "DEG",
         "solar azimuth from the window normal for the beam mode; a value reading as 0 is "
         "replaced by " +
             std::string(ZeroAzimuthText) + Default(d.azimuth),
         [](BatchOptions& o, Option, Value v) { o.azimuth = v; }},
        {calculation, "--timestamp", "\"MM-DD-YYYY HH:MM:SS\"",
         "a real date and time written into the output, for reproducible files",
         [](BatchOptions& o, Option n, Value v) { o.timestamp = ReadTimestamp(n, v); }},

        {study, "--cases", "FILE.csv",
         "run one case per row of the CSV file; its header names the columns geometry, "
         "awning-width, window-width, window-height, front-height, height-difference, "
         "projection, case, header, mode, altitude, azimuth, layout and, for the year, "
         "latitude, longitude, utc-offset, elevation, weather, facing, fin-side, year, step and "
         "reflectance; a missing column or empty cell takes the value of the options above; "
         "numbers must be plain decimal numbers; each weather file is read once, and the sun "
         "of each place, year and step worked out once",
         [](BatchOptions& o, Option, Value v) { o.cases = v; }},
        {study, "--results", "OUT.csv",
         "the cases in input order with their results, each number the shortest text that reads "
         "back to the same double; a year row gives the irradiation on the window over the year, "
         "June-August and December-February in kWh/m2 (beam, sky, ground and total, without "
         "and with the device; with a weather file), the share the device removes in each, "
         "the hours with sun on the window and the hours without weather data; a row "
         "that cannot be computed gets the reason in its error column; the print file is "
         "written only with --print-file, one whole section per case in input order (and the "
         "matrix mode's data files, as single runs leave them); a text cell that starts with "
         "=, +, -, @, a tab or a carriage return and is not a number gets a leading apostrophe, "
         "so that a spreadsheet shows it rather than running it as a formula",
         [](BatchOptions& o, Option, Value v) { o.results = v; }},
        {study, "--shard", "K/N",
         "run only rows K, K+N, K+2N, ... of the cases file (K from 0 to N-1), each with its "
         "row number, so that N runs side by side (a cluster's array jobs) share the study: "
         "their results files, the header kept once and the lines sorted by row number, make "
         "the whole study's file",
         [](BatchOptions& o, Option n, Value v) { o.shard = ReadShard(n, v); }},

        {results, "--json", "",
         "write the results as one JSON object: for beam the USF and case, the exact USF of the "
         "device's true shadow and the shadow polygons (a negative altitude is a direction from "
         "below the horizon; from behind the wall or past the zenith the exact USF is null, with "
         "its reason); for diffuse the USFs, counts and physically weighted factors; for matrix "
         "the 25 x 7 table; not with --cases",
         [](BatchOptions& o, Option, Value) { o.json = true; }},
        {results, "--layout", WordList(LayoutTable, "|", "|"),
         "device of the exact shadow: as drawn, or the same on both sides (plate reaching W' - W "
         "past both window edges, a fin at each end)" +
             Default(NamesOf(d.layout).option),
         [](BatchOptions& o, Option n, Value v) { o.layout = WordRow(n, LayoutTable, v).layout; }},

        {year, "--latitude", "DEG",
         "latitude, north positive, -90 to 90; with --weather, the file's place",
         [](BatchOptions& o, Option n, Value v) {
             o.year.latitude = OptionNumber(n, v, LatitudeBounds);
         }},
        {year, "--longitude", "DEG",
         "longitude, east positive, -180 to 180; with --weather, the file's place",
         [](BatchOptions& o, Option n, Value v) {
             o.year.longitude = OptionNumber(n, v, LongitudeBounds);
         }},
        {year, "--utc-offset", "HOURS",
         "local standard time ahead of UTC, -12 to 14; with --weather, the file's place",
         [](BatchOptions& o, Option n, Value v) {
             o.year.utcOffset = OptionNumber(n, v, UtcOffsetBounds);
         }},
        {year, "--elevation", "M",
         "height above sea level (default 0; with --weather, the file's place)",
         [](BatchOptions& o, Option n, Value v) {
             o.year.elevation = OptionNumber(n, v, ElevationBounds);
         }},
        {year, "--facing", "DEG", "compass bearing of the window's outward normal, 0 to 360",
         [](BatchOptions& o, Option n, Value v) {
             o.year.facing = OptionNumber(n, v, FacingBounds);
         }},
        {year, "--fin-side", WordList(FinSideTable, "|", "|"),
         "side of the fin, seen from outside facing the window",
         [](BatchOptions& o, Option n, Value v) {
             o.year.finSide = WordRow(n, FinSideTable, v).side;
         }},
        {year, "--year", "YYYY", "the calendar year, 8760 or 8784 hours",
         [](BatchOptions& o, Option n, Value v) { o.year.year = ReadYear(n, v); }},
        {year, "--step", "MINUTES",
         "length of each step, dividing 60" + Default(std::to_string(d.year.stepMinutes)),
         [](BatchOptions& o, Option n, Value v) { o.year.stepMinutes = ReadStepMinutes(n, v); }},
        {year, "--weather", "FILE",
         "EnergyPlus weather file (.epw) for the irradiation on the window",
         [](BatchOptions& o, Option n, Value v) { TakeWeatherFile(o.year, n, v); }},
        {year, "--clear-sky", "",
         "without a weather file, the irradiation of the " + std::string(ClearSkyModelName) +
             " (monthly constants for the 21st, taken for the whole month): direct normal A "
             "exp(-B / sin(altitude)), diffuse horizontal C times it, global horizontal their "
             "sum on the horizontal for the ground; not with --weather",
         [](BatchOptions& o, Option, Value) { o.year.clearSky = true; }},
        {year, "--sky", WordList(SkyModelTable, "|", "|"),
         "how the diffuse sky is spread: perez, the Perez 1990 all-weather model (isotropic part "
         "shaded by the physically weighted sky factor, circumsolar part like the beam, horizon "
         "band by the exact unshaded fraction along the horizon), or isotropic (default perez)",
         [](BatchOptions& o, Option n, Value v) { o.year.sky = WordRow(n, SkyModelTable, v).sky; }},
        {year, "--glazing", WordList(GlazingTable, "|", "|"),
         "panes of clear float glass (3.175 mm, refractive index 1.526, extinction 19.6 /m) the "
         "solar gain goes through: the beam at its angle of incidence, sky and ground at the "
         "hemispherical diffuse transmittance; adds the solar gain without and with the device "
         "to the CSV files and the print section (default none; needs --weather or --clear-sky)",
         [](BatchOptions& o, Option n, Value v) {
             o.year.glazingPanes = WordRow(n, GlazingTable, v).panes;
         }},
        {year, "--reflectance", "R",
         "ground reflectance, 0 to 1" + Default(PlainNumberText(d.year.reflectance)),
         [](BatchOptions& o, Option n, Value v) {
             o.year.reflectance = OptionNumber(n, v, ReflectanceBounds);
         }},
        {year, "--csv", "FILE",
         "one row per step: time, sun, window angles, beam USF (and the irradiation on the "
         "window without and with the device; with the Perez sky its isotropic, circumsolar and "
         "horizon parts, and with --glazing the solar gain, in columns at the end)",
         [](BatchOptions& o, Option, Value v) { o.year.csv = v; }},
        {year, "--monthly-csv", "FILE",
         "irradiation on the window by month, its columns as in --csv (needs --weather or "
         "--clear-sky)",
         [](BatchOptions& o, Option, Value v) { o.year.monthlyCsv = v; }},
        {year, "--energyplus-schedule", "FILE",
         "the window's beam sunlit fraction for EnergyPlus's Schedule:File:Shading (with "
         "ShadowCalculation's Imported method): a row \"Surface Name,NAME\", then one row per "
         "step, its time at the end of the step as MM/DD hh:mm (the day's last step at 24:00) and "
         "the fraction, 0 where no beam reaches the window; days x 24 x steps per hour rows, a "
         "leap year with 29 February (needs --surface)",
         [](BatchOptions& o, Option, Value v) { o.year.energyPlusSchedule = v; }},
        {year, "--surface", "NAME",
         "the EnergyPlus name of the window's surface in --energyplus-schedule",
         [](BatchOptions& o, Option, Value v) { o.year.surface = v; }},
        {year, "--energyplus-idf", "FILE",
         "the device as EnergyPlus input objects for --window, as drawn or mirrored "
         "(--layout): the awning as a Shading:Overhang (a sloping plate by its tilt angle, 90 + "
         "atan(h'/L), and its length along the slope as depth), the fins as one Shading:Fin "
         "reaching down to the ground at --sill-height (one fin as drawn: the other side's "
         "fields zero), a fin under a sloping plate with its top at the plate's mean height, "
         "the nearest rectangle; and the window's sky and ground as the device leaves them in "
         "SurfaceProperty:SurroundingSurfaces (through SurfaceProperty:LocalEnvironment): Sky "
         "View Factor and Ground View Factor 0.5 x the physically weighted factors, the device "
         "the one surrounding surface with the rest of the view, its temperature schedule for "
         "the user to define",
         [](BatchOptions& o, Option, Value v) { o.year.energyPlusIdf = v; }},
        {year, "--window", "NAME", "the EnergyPlus name of the window in --energyplus-idf",
         [](BatchOptions& o, Option, Value v) { o.year.window = v; }},
        {year, "--sill-height", "H",
         "height of the window's sill above the ground, where the fins of --energyplus-idf end "
         "(needed with fins)",
         [](BatchOptions& o, Option n, Value v) {
             o.year.sillHeight = OptionNumber(n, v, SillHeightBounds);
         }},

        {help, "-h,--help", "", "show this text",
         [](BatchOptions& o, Option, Value) { o.help = true; }},
        {help, "--version", "", "show the version and the licence",
         [](BatchOptions& o, Option, Value) { o.version = true; }},
    };
}

}  // namespace

// Built once: it never changes.
const std::vector<BatchOption>& BatchOptionTable() {
    static const std::vector<BatchOption> table = MakeTable();
    return table;
}

void TakeOption(BatchOptions& options, std::string_view longName, const std::string& value) {
    for (const BatchOption& row : BatchOptionTable()) {
        if (row.LongName() == longName) {
            row.take(options, longName, value);
            return;
        }
    }
    throw UsageError("unknown option " + QuotedText(longName) + "; see --help");
}
