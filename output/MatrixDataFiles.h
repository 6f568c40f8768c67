#pragma once

#include <array>
#include <string>

// The five data files of the beam matrix mode, one per azimuth of the data sweep, each giving the
// beam unshaded fraction against the sun's altitude for plotting.

// DataPath followed by each data file name of the current GeomMode.
std::array<std::string, 5> MatrixDataFilePaths();

// Writes the five files of the current GeomMode into DataPath from the sweep tables, each
// replacing the file of its name whole. Needs a sweep of five columns, with a fraction for every
// altitude and azimuth, and the diffuse results of the run; throws UnexpectedError, before any
// file is touched, for a sweep of another shape.
void WriteMatrixDataFiles();

// The data sweep of 20 altitudes by 5 azimuths, then the five files.
void RunMatrixDataFiles();
