#include "batch/BatchRun.h"

#include <sstream>
#include <string>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "base/StagedFiles.h"
#include "batch/CaseRun.h"
#include "batch/YearRun.h"
#include "modes/beam/SunEntry.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"

using mduUmbravel::ProgramFolder;

namespace {

// Computes the case, then writes it; returns the lines its results screen shows.
// Every file of the run is put in place together, once all are written.
std::string RunCase(const ShadingCase& c, const BatchOptions& o, std::ostream& err) {
    StagedFiles files;
    const auto print = StagePrintFile(files, c.output);
    std::string shown;
    if (c.mode == SourceMode::Year) {
        std::ostringstream figures;
        RunYearMode(files, *print, c, o.year, figures, err);
        shown = figures.str();
    } else {
        const CaseResult result = EvaluateCase(c);
        if (!result.error.empty())
            throw ProgramStop(result.error);
        if (result.exact && result.exact->noSun)
            err << *result.exact->noSun << '\n';
        WriteCaseOutput(files, *print, c, result);
        shown = ShownText(c, result, o.json);
    }
    print->Close();
    files.Commit();
    return shown;
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
