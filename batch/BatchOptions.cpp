#include "batch/BatchOptions.h"

#include <chrono>
#include <cmath>
#include <string_view>
#include <utility>

#include "base/NumberText.h"
#include "batch/OptionParsing.h"
#include "modes/beam/SunEntry.h"
#include "platform/ProgramFolder.h"

namespace {

Geometry ParseGeometry(const std::string& value) {
    return ParseOptionWord<Geometry>(
        "--geometry", value,
        {{"1", Geometry::Awning}, {"2", Geometry::Fins}, {"3", Geometry::AwningAndFins}});
}

SourceMode ParseMode(const std::string& value) {
    return ParseOptionWord<SourceMode>("--mode", value,
                                       {{"beam", SourceMode::Beam},
                                        {"diffuse", SourceMode::Diffuse},
                                        {"matrix", SourceMode::Matrix},
                                        {"year", SourceMode::Year}});
}

DeviceLayout ParseLayout(const std::string& value) {
    return ParseOptionWord<DeviceLayout>(
        "--layout", value, {{"drawn", DeviceLayout::Drawn}, {"mirrored", DeviceLayout::Mirrored}});
}

// Every '9' of the shape stands for a digit; the other characters stand as they are.
bool HasShape(std::string_view value, std::string_view shape) {
    if (value.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = value[i] >= '0' && value[i] <= '9';
        if (shape[i] == '9' ? !digit : value[i] != shape[i])
            return false;
    }
    return true;
}

ClockReading ParseTimestamp(const std::string& value) {
    bool valid = HasShape(value, "99-99-9999 99:99:99");
    ClockReading r{};
    if (valid) {
        const auto field = [&](std::size_t at, std::size_t length) {
            return std::stoi(value.substr(at, length));
        };
        r = {field(6, 4), field(0, 2), field(3, 2), field(11, 2), field(14, 2), field(17, 2)};
        using namespace std::chrono;
        const year_month_day date{year{r.year}, month{static_cast<unsigned>(r.month)},
                                  day{static_cast<unsigned>(r.day)}};
        valid = r.year >= 1 && date.ok() && r.hour <= 23 && r.minute <= 59 && r.second <= 59;
    }
    if (!valid) {
        throw UsageError("--timestamp must be \"MM-DD-YYYY HH:MM:SS\", not \"" + value + "\"");
    }
    return r;
}

// A reading that is not finite would be carried into every result and header as "inf".
void RequireFiniteNumbers(const BatchOptions& o) {
    const std::pair<const char*, const std::string&> numbers[] = {
        {"--awning-width", o.awningWidth},
        {"--window-width", o.windowWidth},
        {"--window-height", o.windowHeight},
        {"--front-height", o.frontHeight},
        {"--height-difference", o.heightDifference},
        {"--projection", o.projection},
        {"--altitude", o.altitude},
        {"--azimuth", o.azimuth},
    };
    for (const auto& [option, text] : numbers) {
        if (!std::isfinite(ReadNumber(text)))
            throw UsageError(std::string(option) + " must be a finite number, not \"" + text +
                             "\"");
    }
}

// The dimensions screen refuses these; a zero makes every ratio built on them undefined.
void RequireNonZeroDividingLengths(const BatchOptions& o) {
    const auto zero = FirstZeroDividingLength(o.windowWidth, o.windowHeight, o.projection);
    if (!zero)
        return;
    const std::pair<const char*, const std::string&> options[] = {
        {"--window-width", o.windowWidth},
        {"--window-height", o.windowHeight},
        {"--projection", o.projection},
    };
    const auto& [option, text] = options[static_cast<int>(*zero)];
    throw UsageError(std::string(option) + " reads as zero: \"" + text + "\"");
}

// Each is one line of a section of fixed layout: a line end or another control character would
// break it.
void RequireOneLine(const char* option, const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            throw UsageError(std::string(option) +
                             " must not hold line ends or other control characters");
    }
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
    BatchOptions o;
    const OptionSetters valued = {
        {"--folder", [&](const std::string& v) { o.folder = v; }},
        {"--print-file",
         [&](const std::string& v) {
             o.printFile = v;
             o.printFileGiven = true;
         }},
        {"--geometry", [&](const std::string& v) { o.geometry = ParseGeometry(v); }},
        {"--awning-width", [&](const std::string& v) { o.awningWidth = v; }},
        {"--window-width", [&](const std::string& v) { o.windowWidth = v; }},
        {"--window-height", [&](const std::string& v) { o.windowHeight = v; }},
        {"--front-height", [&](const std::string& v) { o.frontHeight = v; }},
        {"--height-difference", [&](const std::string& v) { o.heightDifference = v; }},
        {"--projection", [&](const std::string& v) { o.projection = v; }},
        {"--case", [&](const std::string& v) { o.caseText = v; }},
        {"--header", [&](const std::string& v) { o.header = v; }},
        {"--mode", [&](const std::string& v) { o.sourceMode = ParseMode(v); }},
        {"--altitude", [&](const std::string& v) { o.altitude = v; }},
        {"--azimuth", [&](const std::string& v) { o.azimuth = v; }},
        {"--timestamp", [&](const std::string& v) { o.timestamp = ParseTimestamp(v); }},
        {"--cases", [&](const std::string& v) { o.cases = v; }},
        {"--results", [&](const std::string& v) { o.results = v; }},
        {"--layout", [&](const std::string& v) { o.layout = ParseLayout(v); }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--append") {
            o.append = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (!TakeOptionValue(valued, args, i) && !ParseYearOption(args, i, o.year)) {
            throw UsageError("unknown option \"" + arg + "\"; see --help");
        }
    }
    if (o.cases.has_value() != o.results.has_value())
        throw UsageError("--cases and --results go together");
    if (!o.help && !o.version) {
        RequireFiniteNumbers(o);
        RequireNonZeroDividingLengths(o);
        RequireOneLine("--case", o.caseText);
        if (o.header)
            RequireOneLine("--header", *o.header);
    }
    if (!o.help && o.sourceMode == SourceMode::Year) {
        if (o.json)
            throw UsageError("--json does not go with --mode year: the year's results go to --csv");
        if (o.cases)
            throw UsageError(
                "--mode year does not go with --cases: a study runs beam, diffuse or "
                "matrix cases");
        CheckYearOptions(o.year);
    }
    return o;
}

DimensionTexts DimensionEntries(const BatchOptions& o) {
    return {o.awningWidth,  o.windowWidth, DelWText(o.awningWidth, o.windowWidth),
            o.windowHeight, o.frontHeight, o.heightDifference,
            o.projection};
}

std::string_view UsableAzimuthText(const BatchOptions& o) {
    return ReadNumber(o.azimuth) == 0 ? ZeroAzimuthText : std::string_view(o.azimuth);
}

// The defaults shown are the ones a run takes.
std::string BatchHelpText() {
    const BatchOptions d;
    const auto shown = [](std::string_view text) { return " (default " + std::string(text) + ")"; };
    return R"(Usage: umbravel-batch [options]

Runs one calculation of the wizard without its screens and appends the same section to the
print file (the matrix mode also writes its five data files). Number values are read as the
wizard reads its boxes: the leading decimal number of the text, 0 when there is none; a value
that reads as infinite is refused.

Output files
  --folder DIR             data folder for the print and data files, ending in "/"; files are
                           named by joining it with the file name (default: the saved default
                           folder, else the program's )" +
           std::string(DefaultDataFolderName) + R"( folder)
  --print-file NAME        print file name)" +
           shown('"' + d.printFile + '"') + R"(
  --append                 append to the print file; without it the print file is started
                           afresh with one empty line

Geometry
  --geometry 1|2|3         1 awning only, 2 side fins only, 3 awning and fins (default 1)
  --awning-width W'        awning width)" +
           shown(d.awningWidth) + R"(
  --window-width W         window width, not zero)" +
           shown(d.windowWidth) + R"(
  --window-height H        window height, not zero)" +
           shown(d.windowHeight) + R"(
  --front-height h         height of the awning's front edge above the sill)" +
           shown(d.frontHeight) + R"(
  --height-difference h'   height of the back edge above the front edge)" +
           shown(d.heightDifference) + R"(
  --projection L           distance from the wall to the front edge, not zero)" +
           shown(d.projection) + R"(
  --case TEXT              geometry case description, one line without control characters
                          )" +
           shown('"' + d.caseText + '"') + R"(
  --header TEXT            header line of the output, one line without control characters
                           (default: built from the dimensions)

Calculation
  --mode beam|diffuse|matrix|year
                           single sun position, diffuse sky and ground, a matrix of sun
                           positions, or the shading over a year at a place (default beam)
  --altitude DEG           solar altitude for the beam mode)" +
           shown(d.altitude) + R"(
  --azimuth DEG            solar azimuth from the window normal for the beam mode; a value
                           reading as 0 is replaced by )" +
           std::string(ZeroAzimuthText) + shown(d.azimuth) + R"(
  --timestamp "MM-DD-YYYY HH:MM:SS"
                           a real date and time written into the output, for reproducible
                           files

Parametric study
  --cases FILE.csv         run one case per row of the CSV file; its header names the columns
                           geometry, awning-width, window-width, window-height, front-height,
                           height-difference, projection, case, header, mode, altitude,
                           azimuth; a missing column or empty cell takes the value of the
                           options above; numbers must be plain decimal numbers
  --results OUT.csv        the cases in input order with their results, numbers to 17
                           significant digits; a row that cannot be computed gets the reason
                           in its error column; the print file is written only with
                           --print-file, one whole section per case in input order (and the
                           matrix mode's data files, as single runs leave them)

Results
  --json                   write the results as one JSON object: for beam the USF and case,
                           the exact USF of the device's true shadow and the shadow polygons
                           (a negative altitude is a direction from below the horizon); for
                           diffuse the USFs, counts and physically weighted factors; for
                           matrix the 25 x 7 table
  --layout drawn|mirrored  device of the exact shadow: as drawn, or the same on both sides
                           (plate reaching W' - W past both window edges, a fin at each end)
                           (default drawn)
)" + YearHelpText() +
           R"(
  --help                   show this text
  --version                show the version and the licence

Every file is written before the results go to standard output. Exit status: 0 success,
1 a file error (standard output included) or a geometry the calculation refuses, 2 bad
options.
)";
}
