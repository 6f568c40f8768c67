#pragma once

#include <string>

// The year's irradiation is summed in Wh per m2 of window and given in kWh per m2, in the
// print file, the data files, the run's messages and the screens alike.
inline constexpr double KWhPerWh = 1e-3;

// Wh per m2 as kWh per m2 with one decimal: "1234.5".
std::string KWhFigure(double wh);

// The same with its unit: "1234.5 kWh/m2".
std::string KWhText(double wh);
