#pragma once

#include <string>

#include "model/CaseKinds.h"
#include "model/ExactShadow.h"
#include "model/LengthUnit.h"
#include "model/ShadeGeometry.h"

// What the screens call the device and its dimensions, for each geometry: the fins have no
// awning, and W' places the fin rather than giving a plate's width.
struct DeviceWords {
    const char* dimensionsTitle;  // the dimensions screen's window title
    const char* widthName;        // W', short, as the results name it
    const char* widthLabel;       // W' on the dimensions screen
    const char* frontHeightLabel;
    const char* heightDifferenceLabel;
    const char* depthLabel;
};

const DeviceWords& WordsFor(Geometry geometry);

// "Geometry: Awning only".
std::string GeometryInWords(Geometry geometry);

// The first line of a picture's caption: "Geometry: Awning only, as drawn; 12-08-2026".
std::string DeviceAndDateInWords(Geometry geometry, DeviceLayout layout);

// Every dimension named in words with its symbol, value and unit, for the results screens and
// the captions of pictures.
std::string DimensionsInWords(Geometry geometry, const mduUmbravel::ShadeGeometryRecord& g,
                              LengthUnit unit);
std::string DimensionsInWords(const DeviceShape& device, LengthUnit unit);
