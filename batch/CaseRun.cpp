#include "batch/CaseRun.h"

#include <utility>

#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "batch/JsonResults.h"
#include "model/GroundDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "modes/diffuse/DiffuseCalculation.h"
#include "output/BeamSection.h"
#include "output/DefaultPathFile.h"
#include "output/DiffuseSection.h"
#include "output/HeaderLine.h"
#include "output/MatrixDataFiles.h"
#include "output/MatrixReport.h"
#include "output/OutputFiles.h"
#include "output/OutputPlace.h"
#include "output/YearSection.h"

ShadingCase CaseOf(const BatchOptions& o, OutputTarget output) {
    ShadingCase c;
    c.geometry = o.geometry;
    c.layout = o.layout;
    c.dimensions = ReadDimensions(DimensionEntries(o));
    c.sun = {ReadNumber(o.altitude), ReadNumber(UsableAzimuthText(o))};
    c.mode = o.sourceMode;
    c.output = std::move(output);
    c.output.headerText = o.header.value_or(DefaultHeaderText(c.geometry, c.dimensions));
    c.output.geomCaseText = o.caseText;
    return c;
}

OutputTarget OutputTargetOf(const BatchOptions& o, std::ostream& err) {
    OutputTarget t;
    if (o.folder) {
        t.dataPath = *o.folder;
    } else {
        std::string fault;
        t.dataPath = ReadDefaultPathFile(&fault).value_or(DefaultDataFolder());
        if (!fault.empty())
            err << "umbravel-batch: " << fault << '\n';
    }
    t.printFileName = o.printFile;
    t.append = o.append;
    return t;
}

CaseResult FailedCase(std::string reason) {
    CaseResult r;
    r.error = std::move(reason);
    return r;
}

CaseResult EvaluateCase(const ShadingCase& c) {
    CaseResult r;
    try {
        if (c.mode == SourceMode::Beam) {
            r.beam = EvaluateBeam(c);
            r.exact = EvaluateExactBeam(c);
        } else if (c.mode == SourceMode::Diffuse) {
            r.diffuse = EvaluateDiffuseMode(c);
        } else {
            r.matrix = EvaluateMatrix(c);
            r.diffuse = r.matrix->diffuse;
        }
    } catch (const std::exception& failure) {
        r = FailedCase(failure.what());
    }
    return r;
}

void CheckBeforeWriting(const ShadingCase& c) {
    if (c.mode != SourceMode::Beam)
        mduUmbravel::CheckAwningAboveWindowBottom(c.dimensions);
}

std::unique_ptr<PrintChannel> StagePrintFile(StagedFiles& files, const OutputTarget& output) {
    const std::string path = output.PrintFilePath();
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (const std::string fault = ReadyOutputPlace(folder, name); !fault.empty())
        throw UnexpectedError(fault);
    auto print = std::make_unique<PrintChannel>(
        files, path, output.append ? StagedFiles::Kind::Append : StagedFiles::Kind::Replace);
    if (!output.append)
        print->Print({});
    return print;
}

void WriteCaseOutput(StagedFiles& files, PrintChannel& print, const ShadingCase& c,
                     const CaseResult& r, bool again) {
    if (r.beam) {
        WriteBeamSection(print, c, *r.beam, *r.exact);
    } else if (r.matrix) {
        WriteMatrixSection(print, c, *r.matrix);
        WriteMatrixDataFiles(files, c, *r.matrix, again);
    } else if (r.diffuse) {
        WriteDiffuseSection(print, c, *r.diffuse);
    } else if (r.year) {
        const YearResult& y = *r.year;
        WriteYearSection(print, c, y.settings, *y.table, y.settings.weather ? &y.totals : nullptr);
    }
}

std::string ShownText(const ShadingCase& c, const CaseResult& r, bool json) {
    if (r.beam) {
        if (json)
            return BeamJson(c, *r.beam, *r.exact) + '\n';
        return BeamUSFCaption(r.beam->usf) + "\nShadow Case ID: " +
               std::string(mduUmbravel::SkyCaseName[static_cast<std::size_t>(r.beam->shadowCase)]) +
               '\n';
    }
    if (r.matrix)
        return json ? MatrixJson(c, *r.matrix) + '\n' : MatrixResultsText(c, *r.matrix);
    if (json)
        return DiffuseJson(c, *r.diffuse) + '\n';
    return DiffuseSkyUSFCaption(r.diffuse->skyUSF) + '\n' +
           DiffuseGroundUSFCaption(r.diffuse->groundUSF) + '\n';
}
