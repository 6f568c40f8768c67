#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The program-wide values shared by every screen and by the shading procedures.
// Each has a single instance that lives for the whole run.
namespace mduUmbravel {

// Window and shading device dimensions, in any one unit, and their dimensionless ratios.
struct ShadeGeometryRecord {
    double L = 0;     // wall to front edge of awning or fin
    double W = 0;     // window width
    double WP = 0;    // awning width W'
    double DelW = 0;  // W' - W, as shown on the dimensions screen
    double H = 0;     // window height
    double Lh = 0;    // height of the awning's front edge (top of the fin at its front)
    double LhP = 0;   // height difference of the awning's back and front edges, h'
    double B = 0;     // L / H
    double C = 0;     // h / H
    double D = 0;     // L / W
    double E = 0;     // h' / H
    double F = 0;     // DelW / W
    double G = 0;     // DelW / H
    double R = 0;     // DelW / L
};

inline ShadeGeometryRecord ShadeGeometry;

// 1 awning only, 2 side fins only, 3 awning and fins.
inline std::int16_t GeomMode = 1;
// Indexed by GeomMode; entry 0 stays empty. Filled by FillGeomModeNames, which the geometry
// choice screen calls when it opens and the batch runner before its run.
inline std::array<std::string, 4> GeomModeName;
// Puts the three names into GeomModeName, entries 1 to 3.
void FillGeomModeNames();

// Sun position as entered (degrees) and as passed to the shading procedures (radians).
inline double SolAlt = 0;
inline double SolAzi = 0;
inline double SolAltRad = 0;
inline double SolAziRad = 0;

// 1 single sun position, 2 diffuse, 3 matrix of sun positions.
inline std::int16_t SourceMode = 1;

// Shadow case of the latest shading call, and how often each case occurred.
inline std::string_view CaseID;
inline std::array<int, 10> SkyCaseCount{};
inline std::array<int, 6> GroundCaseCount{};

// Diffuse integration grid and results.
inline std::int16_t NAlt = 0;
inline std::int16_t NAzi = 0;
inline double SkySumUSF = 0;
inline double SkySumWeight = 0;
inline double GroundSumUSF = 0;
inline double GroundSumWeight = 0;
inline double SkyUSF = 0;
inline double GroundUSF = 0;

// Beam matrix sweep: row altitudes and column azimuths in radians, and the value per cell.
inline std::vector<double> MatrixAltitudes;
inline std::vector<double> MatrixAzimuths;
inline std::vector<std::vector<double>> MatrixUSF;  // [row][column], both from 0
// The matrix mode's results text for its screen, lines ended by CR LF.
inline std::string MatrixText;

// Output folder and print file.
inline std::string ProgramFolder;
inline std::string DataPath;
inline std::string PrintFileName;
inline std::int16_t AppendToPrintFile = 0;
// Set once the user has been told that the default-path file cannot be used, so that later
// visits of the output-files screen in this run do not tell it again.
inline bool DefaultPathFaultTold = false;

// The line that heads every section of output, and the optional geometry case description.
inline std::string HeaderText;
inline std::string GeomCaseText;

// Pi as the 15-digit decimal the program uses everywhere, not the full double.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double RadToDeg = 180 / Pi;

// Degrees to radians: the multiplication first, then the division.
inline double DegToRad(double degrees) {
    return (degrees * Pi) / 180;
}

// Angle, in radians, of row or column index (from 1) of a grid of the given number of steps
// over 90 degrees: the step first, then the index, then the conversion.
inline double GridAngle(int steps, int index) {
    return ((90.0 / steps) * (index - 1)) * (Pi / 180);
}

// Azimuth, in radians, of the direction grids' first column: just off the window normal,
// because the shading procedures divide by zero at azimuth 0.
inline constexpr double FirstGridAzimuth = 0.00001;

// The record with B, C, D, E, F, R, G derived, in that order, from its dimensions. Touches no
// program-wide value, so parallel studies can use it.
ShadeGeometryRecord WithRatios(ShadeGeometryRecord g);

// Derives the ratios of ShadeGeometry from its stored dimensions.
void DeriveRatios();

}  // namespace mduUmbravel
