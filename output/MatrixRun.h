#pragma once

#include <string>

struct MatrixModeRun {
    std::string text;       // the results text
    bool outsideUnitRange;  // a fraction of the report lies outside 0 to 1
};

// The whole work of the beam matrix mode, in its fixed order: the report (its sweep, the print
// file section and the results text), then the data sweep and the five data files. The range
// is taken before the data sweep replaces the report's values. When the report fails, no data
// file is touched.
MatrixModeRun RunMatrixMode();
