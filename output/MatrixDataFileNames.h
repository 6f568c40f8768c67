#pragma once

#include <array>
#include <string>

#include "model/CaseKinds.h"

// The names of the beam matrix mode's five data files, one set per geometry, which the matrix
// mode writes and the closing screen lists.

// File names 1 to 5 of a geometry: its stem, the number, ".DAT".
std::array<std::string, 5> MatrixDataFileNames(Geometry geometry);

// The five names as the closing screen lists them: "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT
// AWNONLY4.DAT    AWNONLY5.DAT", the first with its extension in lower case.
std::string MatrixDataFileList(Geometry geometry);
