#include "batch/BatchOptions.h"

#include <cstdio>
#include <functional>
#include <map>

#include "base/NumberText.h"

namespace {

std::int16_t ParseGeometry(const std::string& value) {
    if (value == "1" || value == "2" || value == "3") {
        return static_cast<std::int16_t>(value[0] - '0');
    }
    throw UsageError("--geometry must be 1, 2 or 3, not \"" + value + "\"");
}

std::int16_t ParseMode(const std::string& value) {
    if (value == "beam")
        return 1;
    if (value == "diffuse")
        return 2;
    if (value == "matrix")
        return 3;
    if (value == "year")
        return YearMode;
    throw UsageError("--mode must be beam, diffuse, matrix or year, not \"" + value + "\"");
}

DeviceLayout ParseLayout(const std::string& value) {
    if (value == "drawn")
        return DeviceLayout::Drawn;
    if (value == "mirrored")
        return DeviceLayout::Mirrored;
    throw UsageError("--layout must be drawn or mirrored, not \"" + value + "\"");
}

ClockReading ParseTimestamp(const std::string& value) {
    ClockReading r{};
    char tail = 0;
    const int fields = std::sscanf(value.c_str(), "%2d-%2d-%4d %2d:%2d:%2d%c", &r.month, &r.day,
                                   &r.year, &r.hour, &r.minute, &r.second, &tail);
    const bool valid = fields == 6 && value.size() == 19 && r.month >= 1 && r.month <= 12 &&
                       r.day >= 1 && r.day <= 31 && r.hour <= 23 && r.minute <= 59 &&
                       r.second <= 59 && r.hour >= 0 && r.minute >= 0 && r.second >= 0;
    if (!valid) {
        throw UsageError("--timestamp must be \"MM-DD-YYYY HH:MM:SS\", not \"" + value + "\"");
    }
    return r;
}

// The dimensions screen refuses these; a zero makes every ratio built on them undefined.
void RequireNonZero(const std::string& option, const std::string& text) {
    if (ReadNumber(text) == 0)
        throw UsageError(option + " reads as zero: \"" + text + "\"");
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
    BatchOptions o;
    using Setter = std::function<void(const std::string&)>;
    const std::map<std::string, Setter> valued = {
        {"--folder", [&](const std::string& v) { o.folder = v; }},
        {"--print-file", [&](const std::string& v) { o.printFile = v; }},
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
        {"--layout", [&](const std::string& v) { o.layout = ParseLayout(v); }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--append") {
            o.append = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (const auto it = valued.find(arg); it != valued.end()) {
            if (i + 1 == args.size())
                throw UsageError(arg + " needs a value");
            it->second(args[++i]);
        } else if (ParseYearOption(args, i, o.year)) {
        } else {
            throw UsageError("unknown option \"" + arg + "\"; see --help");
        }
    }
    if (!o.help) {
        RequireNonZero("--window-height", o.windowHeight);
        RequireNonZero("--window-width", o.windowWidth);
        RequireNonZero("--projection", o.projection);
    }
    if (!o.help && o.sourceMode == YearMode)
        CheckYearOptions(o.year);
    return o;
}

std::string BatchHelpText() {
    return R"(Usage: umbravel-batch [options]

Runs one calculation of the wizard without its screens and appends the same section to the
print file (the matrix mode also writes its five data files). Number values are read as the
wizard reads its boxes: the leading decimal number of the text, 0 when there is none.

Output files
  --folder DIR             data folder for the print and data files, ending in "/"; files are
                           named by joining it with the file name (default: the saved default
                           folder, else the program's OutFiles/ folder)
  --print-file NAME        print file name (default "Umbravel.prt")
  --append                 append to the print file; without it the print file is started
                           afresh with one empty line

Geometry
  --geometry 1|2|3         1 awning only, 2 side fins only, 3 awning and fins (default 1)
  --awning-width W'        awning width (default 3)
  --window-width W         window width, not zero (default 2)
  --window-height H        window height, not zero (default 4)
  --front-height h         height of the awning's front edge above the sill (default 3)
  --height-difference h'   height of the back edge above the front edge (default 1)
  --projection L           distance from the wall to the front edge, not zero (default 3)
  --case TEXT              geometry case description (default "Default Dimensions")
  --header TEXT            header line of the output (default: built from the dimensions)

Calculation
  --mode beam|diffuse|matrix|year
                           single sun position, diffuse sky and ground, a matrix of sun
                           positions, or the shading over a year at a place (default beam)
  --altitude DEG           solar altitude for the beam mode (default 30)
  --azimuth DEG            solar azimuth from the window normal for the beam mode; a value
                           reading as 0 is replaced by 0.0001 (default 0.0001)
  --timestamp "MM-DD-YYYY HH:MM:SS"
                           date and time written into the output, for reproducible files

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

Exit status: 0 success, 1 a file error or a geometry the calculation refuses, 2 bad options.
)";
}
