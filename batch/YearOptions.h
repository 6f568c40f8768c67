#pragma once

#include <memory>
#include <optional>
#include <string>

#include "modes/year/ShadingYear.h"
#include "modes/year/WeatherFile.h"
#include "modes/year/WindowAngles.h"

// The options of a shading-year batch run. Unlike the wizard's boxes, these values are checked
// strictly: a latitude of "4O" or 95 is refused.
struct YearOptions {
    std::optional<double> latitude, longitude, utcOffset, elevation;
    std::optional<double> facing;
    std::optional<FinSide> finSide;
    std::optional<int> year;
    int stepMinutes = 60;
    std::shared_ptr<const WeatherYear> weather;
    bool clearSky = false;  // the clear-sky model's irradiation, without a weather file
    SkyModel sky = SkyModel::Perez;
    int glazingPanes = 0;
    double reflectance = 0.2;
    std::string csv;
    std::string monthlyCsv;
    std::string energyPlusSchedule;    // the beam sunlit fraction as EnergyPlus imports it
    std::string surface;               // the EnergyPlus surface it is for
    std::string energyPlusIdf;         // the device as EnergyPlus input objects
    std::string window;                // the EnergyPlus window they are attached to
    std::optional<double> sillHeight;  // of the window above the ground, where fins end
};

// Refuses a year run that lacks what it needs; reads the weather file.
void CheckYearOptions(YearOptions& year);
