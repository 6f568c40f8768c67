#pragma once

#include <string>

// The whole work of the beam matrix mode, in its fixed order: the report (its sweep, the print
// file section and the results text), then the data sweep and the five data files. Returns the
// results text. When the report fails, no data file is touched.
std::string RunMatrixMode();
