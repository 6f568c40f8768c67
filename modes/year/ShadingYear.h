#pragma once

#include <array>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

#include "model/ExactShadow.h"
#include "modes/year/SkyModel.h"
#include "modes/year/SunPosition.h"
#include "modes/year/SunTrack.h"
#include "modes/year/WeatherChecks.h"
#include "modes/year/WeatherFile.h"
#include "modes/year/WindowAngles.h"

// The device over a year at one place: step by step through the year in local standard time,
// the sun's position, the beam unshaded fraction from the exact shadow and, with a weather
// file or the clear-sky model, the irradiation on the window without and with the device.

struct YearSettings {
    Place place;
    double utcOffset = 0;  // hours of local standard time ahead of UTC
    Atmosphere air;        // for the refraction where the weather file gives no air
    WindowFacing facing;
    int year = 2025;
    int stepMinutes = 60;  // divides 60
    DeviceShape device;
    const WeatherYear* weather = nullptr;
    double groundReflectance = 0.2;
    // The device's physically weighted diffuse factors (PhysicalDiffuse) for the weather's sky
    // and ground irradiation.
    double skyFactor = 1, groundFactor = 1;
    SkyModel sky = SkyModel::Isotropic;
    // The exact unshaded fraction of the Perez sky's horizon band (HorizonBand).
    double horizonFactor = 1;
    bool clearSky = false;  // without a weather file: the clear-sky model's irradiation
    int glazingPanes = 0;   // panes of clear glass the solar gain goes through; 0: none

    // The steps have irradiation, from the weather file or the clear sky.
    bool Irradiated() const { return weather != nullptr || clearSky; }
    // The sun at every step (SunAtEveryStep of settings with the same place, time zone, air,
    // year, step and weather), when many runs there share it; none: worked out by the run.
    const std::vector<SunAngles>* sun = nullptr;
    // Without a sun: the earth's track over the year (YearEarthTrack of settings with the same
    // year and time zone), when runs at many places share it; none: worked out by the run.
    const EarthTrack* earth = nullptr;
};

// Irradiation on one square metre of window, Wh/m2. The sky is the sum of its three parts; the
// isotropic sky has the first only. throughGlass is what the glazing transmits of the whole.
struct WindowIrradiation {
    double beam = 0, sky = 0, ground = 0;
    double skyIsotropic = 0, circumsolar = 0, horizon = 0;
    double throughGlass = 0;
    double Total() const { return beam + sky + ground; }
    WindowIrradiation& operator+=(const WindowIrradiation& other);
};

// One step: an interval of local standard time stamped with its start, the sun taken at its
// middle.
struct YearStep {
    int month, day, hour, minute;
    SunAngles sun;
    WindowAngles window;
    double beamUSF;     // NaN when the sun is not on the window
    bool weatherKnown;  // the step has irradiation: the weather file holds its hour, or clear sky
    WindowIrradiation without, with;
};

struct YearTotals {
    std::array<WindowIrradiation, 12> without{}, with{};
    int missingHours = 0;  // hours of the year the weather file does not give
    double sunHours = 0;   // hours with the sun on the window
    WeatherChecks checks;  // with a weather file
};

// The twelve months summed, in calendar order.
WindowIrradiation YearSum(const std::array<WindowIrradiation, 12>& months);

// The periods the year's results are given for: the whole year, June-August and
// December-February (all months of the one calendar year).
inline constexpr std::array<int, 12> WholeYear = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
inline constexpr std::array<int, 3> JuneToAugust = {6, 7, 8};
inline constexpr std::array<int, 3> DecemberToFebruary = {12, 1, 2};
// The three in the order the results give them.
inline constexpr std::array<std::span<const int>, 3> YearPeriods = {WholeYear, JuneToAugust,
                                                                    DecemberToFebruary};

// The months of the period (1 to 12) summed in the period's order.
WindowIrradiation PeriodSum(const std::array<WindowIrradiation, 12>& months,
                            std::span<const int> period);

// True for a year with 29 February.
bool LeapYear(int year);

// The steps of the settings' year.
std::size_t YearStepCount(const YearSettings& settings);

// Goes through the year, hands every step to onStep (when given) and sums by month. A stop
// request ends the run at the next day, its totals incomplete. Throws std::invalid_argument for
// a sun of another number of steps.
YearTotals RunShadingYear(const YearSettings& settings,
                          const std::function<void(const YearStep&)>& onStep = {},
                          std::stop_token stop = {});

// The sun at every step of the settings' year, in order, for runs that share it.
std::vector<SunAngles> SunAtEveryStep(const YearSettings& settings);

// The earth's track over the settings' year, for runs that share it.
EarthTrack YearEarthTrack(const YearSettings& settings);

// The 21st of each month, one step per hour with the sun at the half hour: [month][hour].
using MonthHourTable = std::array<std::array<YearStep, 24>, 12>;
MonthHourTable ShadingOnThe21st(const YearSettings& settings);

// Share of the irradiation the device removes over the period's months, in percent; NaN when
// nothing reaches the window.
double RemovedPercent(const YearTotals& totals, std::span<const int> period);
// The same for the solar gain through the glazing.
double RemovedThroughGlassPercent(const YearTotals& totals, std::span<const int> period);
// Either share in each of YearPeriods.
std::array<double, 3> RemovedByPeriod(const YearTotals& totals, bool throughGlass);
