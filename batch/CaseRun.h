#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "base/PrintChannel.h"
#include "base/StagedFiles.h"
#include "batch/BatchOptions.h"
#include "model/ShadingCase.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/MatrixCalculation.h"
#include "modes/year/ShadingYear.h"

// One case of the batch: built from the options, computed without touching any shared value
// (so that a study's cases run side by side), then written and shown from its results.

// The case of the options with the given output. The zero azimuth, on which the shading
// procedures divide, is replaced as the wizard replaces it.
ShadingCase CaseOf(const BatchOptions& o, OutputTarget output);

// Where the options' run writes: the folder given, else the saved default folder, else the
// default data folder; an unusable default-path file counts as absent, and err says so.
OutputTarget OutputTargetOf(const BatchOptions& o, std::ostream& err);

// A year case's results, with the settings they were worked out for.
struct YearResult {
    YearSettings settings;
    YearTotals totals;
    // The 21st of each month, for the print file; held apart, as it is large beside the rest.
    std::shared_ptr<const MonthHourTable> table;
};

// What one case computes: only the parts its mode has.
struct CaseResult {
    std::string error;  // the reason when the case could not be computed
    std::optional<mduUmbravel::SkyShading> beam;
    std::optional<ExactBeam> exact;                      // beside the beam
    std::optional<mduUmbravel::DiffuseShading> diffuse;  // diffuse mode, and the matrix mode's
    std::optional<MatrixResults> matrix;
    std::optional<YearResult> year;
};

// A case that could not be computed, for the reason given.
CaseResult FailedCase(std::string reason);

// Computes the beam, diffuse or matrix case (a year case needs its place: EvaluateYearCase); a
// failure gives its reason as the error.
CaseResult EvaluateCase(const ShadingCase& c);

// Finds what the calculation would refuse once it has begun: the awning check of the ground
// directions. Throws ProgramStop.
void CheckBeforeWriting(const ShadingCase& c);

// The run's print file staged in the set, started afresh with its empty line unless the output
// appends. Its folder is created when missing, as the wizard creates it. Throws UnexpectedError
// for a place the file cannot go.
std::unique_ptr<PrintChannel> StagePrintFile(StagedFiles& files, const OutputTarget& output);

// Writes the case's print-file section to print (a year case's needs its table) and the matrix
// mode's data files into the set.
// With `again`, data files the set holds already are written afresh.
void WriteCaseOutput(StagedFiles& files, PrintChannel& print, const ShadingCase& c,
                     const CaseResult& r, bool again = false);

// The lines the results screen of the case's mode shows, or its results as one JSON object.
std::string ShownText(const ShadingCase& c, const CaseResult& r, bool json);
