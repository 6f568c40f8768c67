#include "batch/BatchOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/CheckedNumber.h"
#include "base/NumberText.h"
#include "base/QuotedText.h"
#include "batch/OptionTable.h"
#include "modes/beam/SunEntry.h"

namespace {

constexpr std::size_t HelpNameWidth = 27;
constexpr std::size_t HelpWidth = 95;

// The text broken into lines of at most `width` characters between words.
std::string Wrapped(const std::string& text, std::size_t width) {
    std::string lines;
    std::size_t lineStart = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (at > lineStart && end - lineStart > width) {
            lines.back() = '\n';
            lineStart = lines.size();
        }
        lines.append(text, at, end - at);
        if (end < text.size())
            lines += ' ';
        at = end + 1;
    }
    return lines;
}

// The option as CLI11 takes it, storing into the options given. An option that takes a value
// stores it as it comes, so that the last of an option given twice counts and the first
// unusable value is the one refused.
CLI::Option* AddOption(CLI::App& app, const BatchOption& row, BatchOptions& o) {
    const auto take = row.take;
    const std::string option(row.LongName());
    if (row.value.empty())
        return app.add_flag_callback(row.names, [&o, take, option] { take(o, option, {}); });
    return app
        .add_option(row.names,
                    [&o, take, option](const CLI::results_t& values) {
                        take(o, option, values.front());
                        return true;
                    })
        ->type_name(row.value)
        ->trigger_on_parse();
}

// The options the arguments name, each once, and how many arguments lead up to the first one
// in an option's place that names none. CLI11 would also read "--name=value" and "-hx", which
// the runner refuses.
struct NamedOptions {
    std::vector<const BatchOption*> rows;
    std::size_t named = 0;
};

NamedOptions OptionsNamed(const std::vector<std::string>& args,
                          const std::vector<BatchOption>& table) {
    NamedOptions found;
    for (; found.named < args.size(); ++found.named) {
        const std::string& arg = args[found.named];
        const auto row = std::find_if(table.begin(), table.end(), [&](const BatchOption& r) {
            return r.LongName() == arg || r.names.starts_with(arg + ',');
        });
        if (row == table.end())
            break;
        if (std::find(found.rows.begin(), found.rows.end(), &*row) == found.rows.end())
            found.rows.push_back(&*row);
        if (!row->value.empty() && found.named + 1 < args.size())
            ++found.named;
    }
    return found;
}

// Refuses the first unusable argument: a value that cannot be used, a missing value or an
// argument that names no option. CLI11 is given only the options named: building all of them
// for each row of a study would cost more than the row's calculation.
void ParseInto(BatchOptions& o, const std::vector<std::string>& args) {
    const NamedOptions found = OptionsNamed(args, BatchOptionTable());
    CLI::App app;
    app.set_help_flag();
    for (const BatchOption* row : found.rows)
        AddOption(app, *row, o);
    std::vector<std::string> reversed(args.rend() - static_cast<std::ptrdiff_t>(found.named),
                                      args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch&) {
        throw UsageError(args.back() + " needs a value");
    } catch (const CLI::ParseError& refused) {
        throw UsageError(std::string(refused.what()) + "; see --help");
    }
    if (found.named < args.size())
        throw UsageError("unknown option " + QuotedText(args[found.named]) + "; see --help");
}

// A reading that is not finite would be carried into every result and header as "inf"; so
// would a W' - W beyond the range of a double, which the dimensions screen refuses too.
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
        try {
            CheckedNumber(ReadNumber(text), text, FiniteNumber);
        } catch (const NumberRefused& refused) {
            throw UsageError(std::string(option) + " " + refused.what());
        }
    }
    if (!std::isfinite(ReadNumber(o.awningWidth) - ReadNumber(o.windowWidth)))
        throw UsageError("--awning-width minus --window-width is too large to calculate with");
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
    throw UsageError(std::string(option) + " reads as zero: " + QuotedText(text));
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
    ParseInto(o, args);
    CheckBatchOptions(o);
    return o;
}

void CheckBatchOptions(BatchOptions& o) {
    if (o.cases.has_value() != o.results.has_value())
        throw UsageError("--cases and --results go together");
    if (!o.help && !o.version &&
        EndsCross(ReadNumber(o.awningWidth), ReadNumber(o.windowWidth), o.layout)) {
        throw UsageError(
            "--layout mirrored needs --awning-width at least half of --window-width: "
            "the two ends of the plate would cross");
    }
    if (o.shard && !o.cases)
        throw UsageError("--shard needs --cases");
    if (o.cases && (!o.year.csv.empty() || !o.year.monthlyCsv.empty() ||
                    !o.year.energyPlusSchedule.empty() || !o.year.energyPlusIdf.empty())) {
        throw UsageError(
            "--csv, --monthly-csv, --energyplus-schedule and --energyplus-idf do not go with "
            "--cases: a study's results go to --results");
    }
    if (o.cases && o.json)
        throw UsageError("--json does not go with --cases: a study's results go to --results");
    if (!o.help && !o.version) {
        RequireFiniteNumbers(o);
        RequireNonZeroDividingLengths(o);
        RequireOneLine("--case", o.caseText);
        RequireOneLine("--print-file", o.printFile);
        if (o.printFile.empty() || o.printFile.find('/') != std::string::npos)
            throw UsageError("--print-file must be a file name without \"/\", not \"" +
                             o.printFile + "\"; --folder gives its folder");
        if (o.header)
            RequireOneLine("--header", *o.header);
    }
    if (!o.help && o.sourceMode == SourceMode::Year) {
        if (o.json)
            throw UsageError("--json does not go with --mode year: the year's results go to --csv");
        // A study's rows complete and check their place each (CaseOptions).
        if (!o.cases) {
            CheckYearOptions(o.year);
            if (!o.year.energyPlusIdf.empty() && o.geometry != Geometry::Awning &&
                !o.year.sillHeight)
                throw UsageError("--energyplus-idf needs --sill-height for the fins");
        }
    }
}

DimensionTexts DimensionEntries(const BatchOptions& o) {
    return {o.awningWidth,  o.windowWidth, DelWText(o.awningWidth, o.windowWidth),
            o.windowHeight, o.frontHeight, o.heightDifference,
            o.projection};
}

std::string_view UsableAzimuthText(const BatchOptions& o) {
    return ReadNumber(o.azimuth) == 0 ? ZeroAzimuthText : std::string_view(o.azimuth);
}

// Made from the same table as the parser, with the defaults a run takes.
std::string BatchHelpText() {
    BatchOptions unused;
    CLI::App app(
        Wrapped("Runs one calculation of the wizard without its screens and appends the same "
                "section to the print file (the matrix mode also writes its five data files). "
                "Number values are read as the wizard reads its boxes: the leading decimal "
                "number of the text, 0 when there is none; a value that reads as infinite is "
                "refused.",
                HelpWidth) +
            '\n',
        "umbravel-batch");
    app.set_help_flag();
    for (const BatchOption& row : BatchOptionTable()) {
        AddOption(app, row, unused)
            ->group(row.group)
            ->description(Wrapped(row.about, HelpWidth - HelpNameWidth));
    }
    app.footer(
        Wrapped("Every file is written before the results go to standard output. A run's files "
                "are written under temporary names beside them and put in place together once "
                "all are complete, the print file's section last: a run that fails or is "
                "stopped by a signal leaves every file as it was. A symbolic link in the place "
                "of an output file is refused (name the file it leads to), as is one file named "
                "for two outputs; a device such as /dev/stdout is written directly. Exit "
                "status: 0 success, 1 a file error (standard output included) or a "
                "geometry the calculation refuses, 2 bad options.",
                HelpWidth));
    app.get_formatter()->column_width(HelpNameWidth);
    app.get_formatter()->label("OPTIONS", "options");
    // CLI11 leaves two empty lines between the groups; one will do.
    std::string text = app.help();
    for (std::size_t at = text.find("\n\n\n"); at != std::string::npos;
         at = text.find("\n\n\n", at))
        text.erase(at, 1);
    return text;
}
