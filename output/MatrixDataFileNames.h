#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The names of the beam matrix mode's five data files, one set per geometry, which the matrix
// mode writes and the closing screen lists.

// File names 1 to 5 for a geometry mode; any mode other than 1 and 2 takes the names of 3.
const std::array<std::string_view, 5>& MatrixDataFileNames(std::int16_t geomMode);

// The five names as the closing screen lists them: "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT
// AWNONLY4.DAT    AWNONLY5.DAT", the first with its extension in lower case.
std::string MatrixDataFileList(std::int16_t geomMode);
