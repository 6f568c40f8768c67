#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The five data files of the beam matrix mode, one per azimuth of the data sweep, each giving the
// beam unshaded fraction against the sun's altitude for plotting.

// File names 1 to 5 for a geometry mode; any mode other than 1 and 2 takes the names of 3.
const std::array<std::string_view, 5>& MatrixDataFileNames(std::int16_t geomMode);

// The five names as the closing screen lists them: "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT
// AWNONLY4.DAT    AWNONLY5.DAT", the first with its extension in lower case.
std::string MatrixDataFileList(std::int16_t geomMode);

// Writes the five files of the current GeomMode into DataPath from the sweep tables, replacing
// files of the same names. Needs a sweep of five columns and the diffuse results of the run.
void WriteMatrixDataFiles();

// The data sweep of 20 altitudes by 5 azimuths, then the five files.
void RunMatrixDataFiles();
