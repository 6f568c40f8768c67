#pragma once

// The window and device lengths with their dimensionless ratios, and the angle conventions the
// shading procedures share.
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

// The record with B, C, D, E, F, R, G derived, in that order, from its dimensions.
ShadeGeometryRecord WithRatios(ShadeGeometryRecord g);

}  // namespace mduUmbravel
