#include "batch/BatchRun.h"

#include <sstream>
#include <string>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "batch/CaseRun.h"
#include "batch/YearRun.h"
#include "modes/beam/SunEntry.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"

using mduUmbravel::ProgramFolder;

namespace {

// Computes the case, then writes it; returns the lines its results screen shows.
std::string RunCase(const ShadingCase& c, const BatchOptions& o, std::ostream& err) {
    if (c.mode == SourceMode::Year) {
        if (!c.output.append)
            StartPrintFileAfresh(c.output.PrintFilePath());
        std::ostringstream figures;
        RunYearMode(c, o.year, figures, err);
        return figures.str();
    }
    const CaseResult result = EvaluateCase(c);
    if (!result.error.empty())
        throw ProgramStop(result.error);
    if (result.exact && result.exact->noSun)
        err << *result.exact->noSun << '\n';
    WriteCaseOutput(c, result);
    return ShownText(c, result, o.json);
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    if (options.timestamp)
        FixClock(*options.timestamp);
    std::string shown;
    try {
        ProgramFolder = ProgramFolderPath();
        const ShadingCase c = CaseOf(options, OutputTargetOf(options, err));
        if (UsableAzimuthText(options) != options.azimuth)
            err << ZeroAzimuthMessage << '\n';
        CheckBeforeWriting(c);
        shown = RunCase(c, options, err);
    } catch (const ProgramStop& stop) {
        err << stop.what() << '\n';
        return 1;
    } catch (const UnexpectedError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return WriteShownText(shown, out, err);
}

int WriteShownText(const std::string& text, std::ostream& out, std::ostream& err) {
    out << text << std::flush;
    if (out)
        return 0;
    err << "umbravel-batch: cannot write to standard output\n";
    return 1;
}
