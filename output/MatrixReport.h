#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "model/ShadingCase.h"
#include "modes/matrix/MatrixCalculation.h"

// The beam matrix mode's results: the captions of its screen, the matrix section of the print
// file and the results text that the screen shows.

// "Date: 12-08-2026" and "Time: 13:05:09", read from the clock when called.
std::string MatrixDateCaption();
std::string MatrixTimeCaption();

// Appends the matrix section (the report's table and diffuse fractions) to the print file.
void AppendMatrixSection(const ShadingCase& c, const MatrixResults& r);
// The same section written to the channel.
void WriteMatrixSection(PrintChannel& file, const ShadingCase& c, const MatrixResults& r);

// The results text the screen shows, lines ended by CR LF.
std::string MatrixResultsText(const ShadingCase& c, const MatrixResults& r);
