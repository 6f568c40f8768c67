#pragma once

#include <string>

#include "model/ShadingCase.h"
#include "modes/matrix/MatrixCalculation.h"

struct MatrixModeRun {
    MatrixResults results;
    std::string text;       // the results text
    bool outsideUnitRange;  // a fraction of the report lies outside 0 to 1
};

// The whole work of the beam matrix mode: every sweep and pass first, then the five data files
// and the print file section, put in place together. A calculation or a file that fails touches
// no file.
MatrixModeRun RunMatrixMode(const ShadingCase& c);
