#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "model/SkyDirection.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/BeamMatrixSweep.h"

// One column a cases file may have: named as the long option it sets.
struct CaseColumn {
    std::string name;
    bool number;                                     // a plain decimal number is required
    bool echoed;                                     // repeated in the results
    std::string (*studyValue)(const BatchOptions&);  // the value when the cell is missing
};

// Every column a cases file may have, in the order the results repeat them.
const std::vector<CaseColumn>& CaseColumns();

// Where each column of a cases file's header stands among CaseColumns. Throws UsageError for
// an unknown or repeated column name.
std::vector<const CaseColumn*> MatchCaseColumns(const std::vector<std::string>& header);

// The options of one row: the study's own options (the command line's arguments), then one
// option per non-empty cell. Throws UsageError naming the column for a row that cannot be
// used.
BatchOptions CaseOptions(const std::vector<std::string>& studyArgs,
                         const std::vector<const CaseColumn*>& columns,
                         const std::vector<std::string>& cells);

// What one case computes: only the parts its mode has.
struct CaseResult {
    std::string error;  // the reason when the case could not be computed
    std::optional<mduUmbravel::SkyShading> beam;
    std::optional<mduUmbravel::DiffuseShading> diffuse;  // diffuse mode, and the matrix mode's
    std::optional<mduUmbravel::BeamMatrix> matrix;
};

// A case that could not be computed, for the reason given.
CaseResult FailedCase(std::string reason);

// Computes the case as the single run of the same options would, bit for bit, without
// touching any program-wide value, so that cases can run in parallel.
CaseResult EvaluateCase(const BatchOptions& options);
