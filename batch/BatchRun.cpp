#include "batch/BatchRun.h"

#include <string>

#include "base/Faults.h"
#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
#include "modes/beam/BeamSection.h"
#include "modes/beam/SunEntry.h"
#include "modes/diffuse/DiffuseSection.h"
#include "modes/matrix/MatrixDataFiles.h"
#include "modes/matrix/MatrixReport.h"
#include "output/DefaultPathFile.h"
#include "output/HeaderLine.h"
#include "output/OutputFiles.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

using namespace mduUmbravel;

namespace {

void StoreOutputFiles(const BatchOptions& o) {
    ProgramFolder = ProgramFolderPath();
    if (o.folder) {
        DataPath = *o.folder;
    } else {
        DataPath = ReadDefaultPathFile().value_or(DefaultDataFolder());
    }
    PrintFileName = o.printFile;
    AppendToPrintFile = o.append ? 1 : 0;
}

void StoreGeometryEntries(const BatchOptions& o) {
    FillGeomModeNames();
    GeomMode = o.geometry;
    StoreDimensions({o.awningWidth, o.windowWidth, DelWText(o.awningWidth, o.windowWidth),
                     o.windowHeight, o.frontHeight, o.heightDifference, o.projection});
    GeomCaseText = o.caseText;
    HeaderText = o.header.value_or(DefaultHeaderText());
}

void StoreSunEntries(const BatchOptions& o, std::ostream& err) {
    StoreSolarAltitude(o.altitude);
    std::string_view azimuth = o.azimuth;
    if (ReadNumber(azimuth) == 0) {
        err << ZeroAzimuthMessage << '\n';
        azimuth = ZeroAzimuthText;
    }
    StoreSolarAzimuth(azimuth);
}

void RunBeam(std::ostream& out) {
    const double usf = SkyDirectionUSF(SolAltRad, SolAziRad, GeomMode);
    out << BeamUSFCaption(usf) << '\n' << "Shadow Case ID: " << CaseID << '\n';
    AppendBeamSection();
}

void RunDiffuse(std::ostream& out) {
    RunDiffuseMode();
    out << DiffuseSkyUSFCaption() << '\n' << DiffuseGroundUSFCaption() << '\n';
}

void RunMatrix(std::ostream& out) {
    out << RunMatrixReport();
    RunMatrixDataFiles();
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    if (options.timestamp)
        FixClock(*options.timestamp);
    try {
        StoreOutputFiles(options);
        StoreGeometryEntries(options);
        StoreSunEntries(options, err);
        SourceMode = options.sourceMode;
        if (AppendToPrintFile == 0)
            StartPrintFileAfresh();
        if (SourceMode == 1) {
            RunBeam(out);
        } else if (SourceMode == 2) {
            RunDiffuse(out);
        } else {
            RunMatrix(out);
        }
    } catch (const ProgramStop& stop) {
        err << stop.what() << '\n';
        return 1;
    } catch (const UnexpectedError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}
