#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/SharedOnce.h"
#include "model/ShadingCase.h"
#include "modes/year/ShadingYear.h"
#include "modes/year/WeatherFile.h"
#include "modes/year/WindowAngles.h"

// Weather files read once each by path, however many of a study's rows name them.
using WeatherFiles = SharedOnce<std::string, std::shared_ptr<const WeatherYear>>;

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
    std::string weatherPath;  // as given
    // Shared by the copies of the options, as a study's rows are.
    std::shared_ptr<WeatherFiles> weatherFiles = std::make_shared<WeatherFiles>();
    double reflectance = 0.2;
    std::string csv;
    std::string monthlyCsv;
    std::string energyPlusSchedule;    // the beam sunlit fraction as EnergyPlus imports it
    std::string surface;               // the EnergyPlus surface it is for
    std::string energyPlusIdf;         // the device as EnergyPlus input objects
    std::string window;                // the EnergyPlus window they are attached to
    std::optional<double> sillHeight;  // of the window above the ground, where fins end
};

// Takes the weather file at the path, read unless the options' copies have read it already.
// Throws UsageError naming the option for a file that cannot be used.
void TakeWeatherFile(YearOptions& year, std::string_view option, const std::string& path);

// Completes the place from the weather file and refuses a year that lacks what its calculation
// needs: a single run's and a study row's alike.
void CheckYearPlace(YearOptions& year);

// Refuses a single year run that lacks what it needs, its output files included.
void CheckYearOptions(YearOptions& year);

// The year's settings for the case's device.
YearSettings YearSettingsOf(const YearOptions& year, const ShadingCase& c);
