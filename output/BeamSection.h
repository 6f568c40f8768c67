#pragma once

#include <string>

// The single-sun mode: its screen captions and its section of the print file.

// "Geometry: AWNING ONLY", "Geometry: FIN ONLY" or "Geometry: AWNING & FIN".
std::string BeamGeometryCaption();

// "Dimensions: W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3" from ShadeGeometry.
std::string BeamDimensionsCaption();

// "Solar Altitude  30 deg" and "Solar Azimuth  .0001 deg, relative to the window".
std::string BeamAltitudeCaption();
std::string BeamAzimuthCaption();

// "Beam USF = 0.31699" for a computed fraction.
std::string BeamUSFCaption(double usf);

// Appends the beam section to the print file. It computes the fraction again with
// SkyDirectionUSF, which records and counts the case once more.
void AppendBeamSection();
