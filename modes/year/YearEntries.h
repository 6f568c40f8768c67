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
    const WeatherYear* weather = nullptr;  // none: the clear sky, or the beam fraction only
    bool clearSky = false;                 // without a weather file
    double groundReflectance = 0.2;
    SkyModel sky = SkyModel::Perez;
    int glazingPanes = 0;
};

// The year's settings with the defaults filled in, the standard air of the elevation for the
// refraction and, with irradiation, the device's physically weighted diffuse factors and, for
// the Perez sky, its horizon band's unshaded fraction (only the irradiation uses them, so
// without it they stay 1 and are not worked out).
YearSettings YearSettingsFrom(const YearEntries& entries);
