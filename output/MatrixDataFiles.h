#pragma once

#include <array>
#include <string>

#include "base/StagedFiles.h"
#include "model/ShadingCase.h"
#include "modes/matrix/MatrixCalculation.h"

// The five data files of the beam matrix mode, one per azimuth of the data sweep, each giving the
// beam unshaded fraction against the sun's altitude for plotting.

// The data folder followed by each data file name of the case's geometry.
std::array<std::string, 5> MatrixDataFilePaths(const ShadingCase& c);

// Writes the five files into the data folder from the data sweep, each replacing the file of its
// name whole. Needs a sweep of five columns, with a fraction for every altitude and azimuth;
// throws UnexpectedError, before any file is touched, for a sweep of another shape.
void WriteMatrixDataFiles(const ShadingCase& c, const MatrixResults& r);

// The same five files written into the set, to be put in place with its other files. With
// `again`, files the set holds already are written afresh (a study's later matrix case).
void WriteMatrixDataFiles(StagedFiles& staged, const ShadingCase& c, const MatrixResults& r,
                          bool again = false);
