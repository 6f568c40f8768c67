#include "batch/BatchRun.h"

#include <sstream>
#include <string>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "batch/JsonResults.h"
#include "batch/YearRun.h"
#include "model/DimensionEntry.h"
#include "model/GroundDirection.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
#include "modes/beam/SunEntry.h"
#include "output/BeamSection.h"
#include "output/DefaultPathFile.h"
#include "output/DiffuseSection.h"
#include "output/HeaderLine.h"
#include "output/MatrixDataFiles.h"
#include "output/MatrixReport.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"

using namespace mduUmbravel;

namespace {

// An unusable default-path file counts as absent; the run says so and goes on.
void StoreOutputFiles(const BatchOptions& o, std::ostream& err) {
    ProgramFolder = ProgramFolderPath();
    if (o.folder) {
        DataPath = *o.folder;
    } else {
        std::string fault;
        DataPath = ReadDefaultPathFile(&fault).value_or(DefaultDataFolder());
        if (!fault.empty())
            err << "umbravel-batch: " << fault << '\n';
    }
    PrintFileName = o.printFile;
    AppendToPrintFile = o.append ? 1 : 0;
}

void StoreGeometryEntries(const BatchOptions& o) {
    FillGeomModeNames();
    GeomMode = static_cast<std::int16_t>(o.geometry);
    StoreDimensions(DimensionEntries(o));
    GeomCaseText = o.caseText;
    HeaderText = o.header.value_or(DefaultHeaderText());
}

void StoreSunEntries(const BatchOptions& o, std::ostream& err) {
    StoreSolarAltitude(o.altitude);
    const std::string_view azimuth = UsableAzimuthText(o);
    if (azimuth != o.azimuth)
        err << ZeroAzimuthMessage << '\n';
    StoreSolarAzimuth(azimuth);
}

// Whatever would stop the run once it has begun to write is found before any file is touched:
// the awning check of the ground directions, a missing folder, a folder or a read-only file in
// the place of a file.
void CheckBeforeWriting() {
    if (mduUmbravel::SourceMode != 1)
        CheckAwningAboveWindowBottom(ShadeGeometry);
    PrintChannel::CheckWritable(PrintFilePath());
    if (mduUmbravel::SourceMode == 3) {
        for (const std::string& path : MatrixDataFilePaths())
            PrintChannel::CheckWritable(path);
    }
}

// Each mode writes its files and returns the lines its results screen shows.
std::string RunBeam(const BatchOptions& o) {
    const double usf = SkyDirectionUSF(SolAltRad, SolAziRad, GeomMode);
    const std::string shown =
        o.json ? BeamJson(usf, CaseID, o.layout) + '\n'
               : BeamUSFCaption(usf) + "\nShadow Case ID: " + std::string(CaseID) + '\n';
    AppendBeamSection();
    return shown;
}

std::string RunDiffuse(const BatchOptions& o) {
    RunDiffuseMode();
    if (o.json)
        return DiffuseJson(o.layout) + '\n';
    return DiffuseSkyUSFCaption() + '\n' + DiffuseGroundUSFCaption() + '\n';
}

// The JSON results are taken before the data sweep replaces the report's values.
std::string RunMatrix(const BatchOptions& o) {
    std::string shown = RunMatrixReport();
    if (o.json)
        shown = MatrixJson() + '\n';
    RunMatrixDataFiles();
    return shown;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    if (options.timestamp)
        FixClock(*options.timestamp);
    std::string shown;
    try {
        StoreOutputFiles(options, err);
        StoreGeometryEntries(options);
        StoreSunEntries(options, err);
        mduUmbravel::SourceMode = static_cast<std::int16_t>(options.sourceMode);
        CheckBeforeWriting();
        if (AppendToPrintFile == 0)
            StartPrintFileAfresh();
        if (mduUmbravel::SourceMode == 1) {
            shown = RunBeam(options);
        } else if (mduUmbravel::SourceMode == 2) {
            shown = RunDiffuse(options);
        } else if (options.sourceMode == ::SourceMode::Year) {
            std::ostringstream figures;
            RunYearMode(options.year, options.layout, figures, err);
            shown = figures.str();
        } else {
            shown = RunMatrix(options);
        }
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
