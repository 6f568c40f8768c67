#pragma once

#include <cstdint>

#include "model/ShadingCase.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/BeamMatrixSweep.h"

// The report's sweep of sun positions and the steps of its diffuse passes.
inline constexpr int MatrixReportRows = 25;
inline constexpr int MatrixReportColumns = 7;
inline constexpr std::int16_t MatrixDiffuseSteps = 25;
// The data files' sweep: 20 altitudes by 5 azimuths, 20 degrees apart.
inline constexpr int MatrixDataRows = 20;
inline constexpr int MatrixDataColumns = 5;

// Everything the matrix mode shows and writes.
struct MatrixResults {
    mduUmbravel::BeamMatrix report;  // the table of the section and the screen
    mduUmbravel::DiffuseShading diffuse;
    mduUmbravel::BeamMatrix data;  // the five data files, one per column
};

// The report's sweep, its diffuse passes and the data sweep of the case's device. Throws
// ProgramStop when the awning's back edge lies below the window.
MatrixResults EvaluateMatrix(const ShadingCase& c);

// Whether a fraction the report shows (a table cell or a diffuse fraction) lies outside 0 to 1.
bool OutsideUnitRange(const MatrixResults& r);
