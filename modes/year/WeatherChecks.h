#pragma once

#include "modes/year/SunPosition.h"
#include "modes/year/WeatherFile.h"

// What a weather file holds that the year's calculation passes over, found hour by hour as the
// year runs, with the sun of the year's own steps.
struct WeatherChecks {
    int nightBeamHours = 0;        // direct normal irradiation with the sun below the horizon
    double nightBeamWh = 0;        // their direct normal irradiation, Wh/m2
    int beamAboveGlobalHours = 0;  // the beam on the horizontal larger than the global
    double beamAboveGlobalWh = 0;  // by how much, Wh/m2
};

// Gathers the checks from the steps of each hour in turn.
class WeatherCheckTally {
  public:
    // One step of the hour, the sun at its middle; the hour's last step, with the hour's
    // weather (none where the file lacks it), closes the hour.
    void AddStep(const SunAngles& sun);
    void CloseHour(const WeatherHour* weather);

    const WeatherChecks& Checks() const { return checks_; }

  private:
    WeatherChecks checks_;
    double sineSum_ = 0;  // the sun's height as sine, 0 below the horizon, over the hour's steps
    int steps_ = 0;
};

// How far the file's place lies from its time zone's meridian (15 degrees x the UTC offset),
// in degrees of longitude, 0 to 180.
double TimeZoneDistance(const WeatherLocation& at);

// A place more than two hours of the sun's travel (30 degrees) from its time zone's meridian.
inline constexpr double FarFromTimeZoneDegrees = 30;
