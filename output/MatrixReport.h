#pragma once

#include <cstdint>
#include <string>

// The report's sweep of sun positions and the steps of its diffuse passes.
inline constexpr int MatrixReportRows = 25;
inline constexpr int MatrixReportColumns = 7;
inline constexpr std::int16_t MatrixDiffuseSteps = 25;

// The beam matrix mode's results: the captions of its screen, the matrix section of the print
// file and the results text that the screen shows.

// "Date: 12-08-2026" and "Time: 13:05:09", read from the clock when called.
std::string MatrixDateCaption();
std::string MatrixTimeCaption();

// Sweeps 25 altitudes by 7 azimuths, runs the diffuse passes with 25 steps, appends the matrix
// section to the print file and stores the results text in MatrixText, which it also returns.
// When the ground pass fails, the file keeps the section up to the line after the table and the
// error goes on to the caller.
std::string RunMatrixReport();

// Whether a fraction shown by the latest report (a table cell or a diffuse fraction) lies
// outside 0 to 1. Call it before the data sweep replaces the table.
bool MatrixReportOutsideUnitRange();
