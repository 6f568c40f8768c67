#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "model/ShadingCase.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"

// The single-sun mode: its screen captions and its section of the print file.

// "Geometry: AWNING ONLY", "Geometry: FIN ONLY" or "Geometry: AWNING & FIN".
std::string BeamGeometryCaption(Geometry geometry);

// "Dimensions: W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3".
std::string BeamDimensionsCaption(const mduUmbravel::ShadeGeometryRecord& g);

// "Solar Altitude  30 deg" and "Solar Azimuth  .0001 deg, relative to the window".
std::string BeamAltitudeCaption(const SunDirection& sun);
std::string BeamAzimuthCaption(const SunDirection& sun);

// "Beam USF = 0.31699" for a computed fraction.
std::string BeamUSFCaption(double usf);

// Appends the beam section of the case's results to the print file. After the USF line comes
// the exact fraction where it differs from the analytic one, or the line saying that no direct
// sun reaches the window.
void AppendBeamSection(const ShadingCase& c, const mduUmbravel::SkyShading& beam,
                       const ExactBeam& exact);
// The same section written to the channel.
void WriteBeamSection(PrintChannel& file, const ShadingCase& c, const mduUmbravel::SkyShading& beam,
                      const ExactBeam& exact);
