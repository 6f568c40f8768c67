#pragma once

#include <cstdint>
#include <string>

#include "model/CaseKinds.h"
#include "model/ExactShadow.h"
#include "model/ShadeGeometry.h"

// One calculation as a value: the device, the sun, the mode and where its results go. The
// calculations take it and return results; the writers take it with those results. Nothing
// here is shared between calculations, so cases can run side by side.

// The sun as entered, in degrees; an azimuth of exactly zero has already been replaced.
struct SunDirection {
    double altitude = 0;
    double azimuth = 0;
    double AltitudeRad() const { return mduUmbravel::DegToRad(altitude); }
    double AzimuthRad() const { return mduUmbravel::DegToRad(azimuth); }
};

// Where a run writes and what heads its sections.
struct OutputTarget {
    std::string dataPath;  // ends in "/" to name files inside it
    std::string printFileName;
    bool append = false;  // keep the print file's sections, else start it afresh
    std::string headerText;
    std::string geomCaseText;
    std::string PrintFilePath() const { return dataPath + printFileName; }
};

struct ShadingCase {
    Geometry geometry = Geometry::Awning;
    DeviceLayout layout = DeviceLayout::Drawn;
    mduUmbravel::ShadeGeometryRecord dimensions;  // lengths with their ratios derived
    SunDirection sun;
    SourceMode mode = SourceMode::Beam;
    OutputTarget output;

    // The geometry as the shading procedures number it.
    std::int16_t GeomMode() const { return static_cast<std::int16_t>(geometry); }
};

// The solid device the case describes, for its exact shadow.
DeviceShape DeviceShapeOf(const ShadingCase& c);
