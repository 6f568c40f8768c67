#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "batch/BatchOptions.h"
#include "model/ShadingCase.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/MatrixCalculation.h"

// One case of the batch: built from the options, computed without touching any shared value
// (so that a study's cases run side by side), then written and shown from its results.

// The case of the options with the given output. The zero azimuth, on which the shading
// procedures divide, is replaced as the wizard replaces it.
ShadingCase CaseOf(const BatchOptions& o, OutputTarget output);

// Where the options' run writes: the folder given, else the saved default folder, else the
// default data folder; an unusable default-path file counts as absent, and err says so.
OutputTarget OutputTargetOf(const BatchOptions& o, std::ostream& err);

// What one case computes: only the parts its mode has.
struct CaseResult {
    std::string error;  // the reason when the case could not be computed
    std::optional<mduUmbravel::SkyShading> beam;
    std::optional<ExactBeam> exact;                      // beside the beam
    std::optional<mduUmbravel::DiffuseShading> diffuse;  // diffuse mode, and the matrix mode's
    std::optional<MatrixResults> matrix;
};

// A case that could not be computed, for the reason given.
CaseResult FailedCase(std::string reason);

// Computes the beam, diffuse or matrix case; a failure gives its reason as the error.
CaseResult EvaluateCase(const ShadingCase& c);

// Finds what would stop the case's run once it has begun to write, before any file is touched:
// the awning check of the ground directions, a missing folder, a folder or a read-only file in
// the place of a file. Throws ProgramStop or UnexpectedError.
void CheckBeforeWriting(const ShadingCase& c);

// Starts the print file afresh unless the case appends, then writes the case's print-file
// section (and the matrix mode's data files) from its results.
void WriteCaseOutput(const ShadingCase& c, const CaseResult& r);

// The lines the results screen of the case's mode shows, or its results as one JSON object.
std::string ShownText(const ShadingCase& c, const CaseResult& r, bool json);
