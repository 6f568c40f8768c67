#pragma once

#include <string>
#include <vector>

#include "model/ShadingCase.h"
#include "modes/diffuse/DiffuseIntegration.h"

// Expected print-file sections and data files, laid out by hand line by line. Only the computed
// values (fractions, diffuse results, case counts) are evaluated here, each from its own
// definition, with the case's geometry, header, case text and data folder and a clock reading
// 12-08-2026 13:05:09.

// Each line followed by carriage return and line feed.
std::string CrLfLines(const std::vector<std::string>& lines);

// The beam section of the default road: default geometry, awning only, the sun at altitude 30
// and azimuth 0.0001, the default header line and the case "Default Dimensions".
std::string ExpectedDefaultBeamSection();

// Diffuse section lines 5, 7 and 8: the dimensions and ratios of the geometry under test.
struct DiffuseInputLines {
    std::string dimensions, ratios, moreRatios;
};
extern const DiffuseInputLines DefaultDiffuseInputs;  // default geometry, awning only

// Lines 1 to 25 and lines 26 to 44 with the given results.
std::string ExpectedDiffuseUpToSkyCounts(const ShadingCase& c, const mduUmbravel::DiffuseShading& d,
                                         const DiffuseInputLines& inputs);
std::string ExpectedDiffuseFromGroundPass(const ShadingCase& c,
                                          const mduUmbravel::DiffuseShading& d);
// The whole section, with the 20-step passes run here.
std::string ExpectedDiffuseSection(const ShadingCase& c, const DiffuseInputLines& inputs);

// Matrix section lines 4, 6, 7 and their screen-text counterparts.
struct MatrixGeometryLines {
    std::string fileDimensions, fileRatios, screenDimensions, screenRatios, moreRatios;
};
extern const MatrixGeometryLines DefaultMatrixLines;  // default geometry, awning only

// Section lines 1 to 41, with the 25 x 7 table evaluated here.
std::string ExpectedMatrixSectionUpToTable(const ShadingCase& c, const MatrixGeometryLines& lines);

struct ExpectedMatrix {
    std::string section, screen;
};
// The whole section and screen text, with the 25-step diffuse passes run here.
ExpectedMatrix ExpectedMatrixReport(const ShadingCase& c, const MatrixGeometryLines& lines);

// "00.00", "04.50", ... "85.50": the altitude of data-file row 1 to 20.
std::string DataAltitudeLabel(int row);

// Data file k (from 1) of the 20 x 5 grid; skyAndGround is line 3 after its opening words.
std::string ExpectedMatrixDataFile(const ShadingCase& c, int k, const std::string& geometry,
                                   const std::string& dimensions, const std::string& skyAndGround);
