#pragma once

#include <optional>

#include "modes/year/ShadingYear.h"

// What the user gives for a shading year, on the year screen or on the batch's command line.
struct YearEntries {
    double latitude = 0, longitude = 0;
    std::optional<double> elevation;  // none: the weather file's, else sea level
    double utcOffset = 0;             // hours of local standard time ahead of UTC
    WindowFacing facing;
    int year = 2025;
    int stepMinutes = 60;  // divides 60
    DeviceShape device;
    const WeatherYear* weather = nullptr;  // none: the beam fraction only
    double groundReflectance = 0.2;
};

// The year's settings with the defaults filled in, the standard air of the elevation for the
// refraction and, with a weather file, the device's physically weighted diffuse factors (only
// the weather's sky and ground irradiation use them, so without one they stay 1 and are not
// worked out).
YearSettings YearSettingsFrom(const YearEntries& entries);
