#include "modes/year/ShadingYear.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "model/ShadeGeometry.h"
#include "modes/year/ClearSky.h"
#include "modes/year/Glazing.h"
#include "modes/year/PerezSky.h"
#include "modes/year/SunTrack.h"

using namespace std::chrono;

namespace {

constexpr double MinutesPerDay = 1440;

// Where the weather file keeps the hour that starts at hourOfDay on the date: its records are
// numbered from 1 January in the file's own calendar, which may lack 29 February.
std::optional<std::size_t> WeatherIndex(const WeatherYear& weather, unsigned month, unsigned day,
                                        int hourOfDay) {
    const year fileYear{weather.hours.size() == 8784 ? 2024 : 2025};
    const year_month_day date{fileYear / month / day};
    if (!date.ok())
        return std::nullopt;
    const auto dayIndex = (sys_days{date} - sys_days{fileYear / 1 / 1}).count();
    return static_cast<std::size_t>(dayIndex * 24 + hourOfDay);
}

double FirstJulianDay(const YearSettings& s) {
    return JulianDayUtc(s.year, 1, 1, 0, 0, 0) - s.utcOffset / 24;
}

int DayCount(int y) {
    return LeapYear(y) ? 366 : 365;
}

int Number(month m) {
    return static_cast<int>(static_cast<unsigned>(m));
}

// Calls visit(date, minuteOfDay, julianDayUtc, index) for every step of the year in order; a
// stop request ends the year at the next day.
template <class Visit>
void ForEachStep(const YearSettings& s, std::stop_token stop, Visit visit) {
    const sys_days first{year{s.year} / 1 / 1};
    const double firstJd = FirstJulianDay(s);
    const int minutes = s.stepMinutes;
    std::size_t index = 0;
    for (int d = 0; d < DayCount(s.year) && !stop.stop_requested(); ++d) {
        const year_month_day date{first + days{d}};
        for (int m = 0; m < 1440; m += minutes, ++index)
            visit(date, m, firstJd + d + (m + minutes / 2.0) / MinutesPerDay, index);
    }
}

class YearStepper {
  public:
    // The sun comes from `sun` by the step's index when given, else from a track of its own on
    // the settings' earth track, if any.
    YearStepper(const YearSettings& s, double lastJulianDay, const std::vector<SunAngles>* sun,
                const EarthTrack* earth)
        : s_(s), sun_(sun), diffuseThroughGlass_(GlazingDiffuseTransmittance(s.glazingPanes)) {
        if (sun)
            return;
        if (earth)
            track_.emplace(s.place, *earth);
        else
            track_.emplace(s.place, FirstJulianDay(s), lastJulianDay);
    }

    // The step that starts at minuteOfDay on the date and lasts the given minutes.
    YearStep Step(const year_month_day& date, int minuteOfDay, int minutes) const {
        const double jd =
            JulianDayUtc(static_cast<int>(date.year()),
                         static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())), 0, 0, 0) +
            (minuteOfDay + minutes / 2.0) / MinutesPerDay - s_.utcOffset / 24;
        return StepAt(date, minuteOfDay, minutes, jd, 0);
    }

    YearStep StepAt(const year_month_day& date, int minuteOfDay, int minutes, double jd,
                    std::size_t index) const {
        YearStep step{};
        step.month = Number(date.month());
        step.day = static_cast<int>(static_cast<unsigned>(date.day()));
        step.hour = minuteOfDay / 60;
        step.minute = minuteOfDay % 60;
        const WeatherHour* weather = WeatherAt(step.month, step.day, step.hour);
        step.sun = SunAt(weather, jd, index);
        step.window = RelativeToWindow(step.sun, s_.facing);
        step.beamUSF = std::numeric_limits<double>::quiet_NaN();
        if (step.window.sunOnWindow) {
            step.beamUSF =
                ExactUnshadedFraction(s_.device, mduUmbravel::DegToRad(step.window.altitude),
                                      mduUmbravel::DegToRad(step.window.azimuth));
        }
        if (weather && !weather->missing) {
            AddIrradiation(step, date, weather->directNormal, weather->diffuseHorizontal,
                           weather->globalHorizontal, minutes);
        } else if (!s_.weather && s_.clearSky) {
            const ClearSkyIrradiance clear = AshraeClearSky(step.month, step.sun.altitude);
            const double sinAltitude =
                std::max(0.0, std::sin(mduUmbravel::DegToRad(step.sun.altitude)));
            AddIrradiation(step, date, clear.directNormal, clear.diffuseHorizontal,
                           clear.directNormal * sinAltitude + clear.diffuseHorizontal, minutes);
        }
        return step;
    }

    SunAngles SunAt(const WeatherHour* weather, double jd, std::size_t index) const {
        return sun_ ? (*sun_)[index] : track_->At(jd, AirAt(weather));
    }

    // The weather file's hour that holds the step, if there is one.
    const WeatherHour* WeatherAt(int month, int day, int hourOfDay) const {
        if (!s_.weather)
            return nullptr;
        const auto index = WeatherIndex(*s_.weather, month, day, hourOfDay);
        return index ? &s_.weather->hours[*index] : nullptr;
    }

  private:
    // The air for the refraction: the weather file's where it gives it, else the settings'.
    Atmosphere AirAt(const WeatherHour* weather) const {
        if (!weather)
            return s_.air;
        return {weather->stationPressure.value_or(s_.air.pressure),
                weather->dryBulb.value_or(s_.air.temperature)};
    }

    // The hour's irradiation (Wh/m2 over the hour, or W/m2) spread over the step.
    void AddIrradiation(YearStep& step, const year_month_day& date, double directNormal,
                        double diffuseHorizontal, double globalHorizontal, int minutes) const {
        const double share = minutes / 60.0;
        step.weatherKnown = true;
        const double cosIncidence = CosIncidence(step.window);
        step.without.beam = directNormal * cosIncidence * share;
        step.without.ground = globalHorizontal * s_.groundReflectance * 0.5 * share;
        step.with.beam = step.window.sunOnWindow ? step.without.beam * step.beamUSF : 0;
        step.with.ground = step.without.ground * s_.groundFactor;
        if (s_.sky == SkyModel::Perez) {
            const PerezSkyParts sky =
                PerezVerticalSky(directNormal, diffuseHorizontal, 90 - step.sun.altitude,
                                 cosIncidence, DayOfYear(date));
            SetSky(step.without, sky.isotropic * share, sky.circumsolar * share,
                   sky.horizon * share);
            SetSky(step.with, step.without.skyIsotropic * s_.skyFactor,
                   step.window.sunOnWindow ? step.without.circumsolar * step.beamUSF : 0,
                   step.without.horizon * s_.horizonFactor);
        } else {
            step.without.sky = step.without.skyIsotropic = diffuseHorizontal * 0.5 * share;
            step.with.sky = step.with.skyIsotropic = step.without.sky * s_.skyFactor;
        }
        if (s_.glazingPanes > 0) {
            const double beamThrough =
                step.window.sunOnWindow
                    ? GlazingBeamTransmittance(s_.glazingPanes, std::acos(cosIncidence))
                    : 0;
            for (WindowIrradiation* w : {&step.without, &step.with}) {
                w->throughGlass = (w->beam + w->circumsolar) * beamThrough +
                                  (w->skyIsotropic + w->horizon + w->ground) * diffuseThroughGlass_;
            }
        }
    }

    static void SetSky(WindowIrradiation& w, double isotropic, double circumsolar, double horizon) {
        w.skyIsotropic = isotropic;
        w.circumsolar = circumsolar;
        w.horizon = horizon;
        w.sky = isotropic + circumsolar + horizon;
    }

    static int DayOfYear(const year_month_day& date) {
        return static_cast<int>((sys_days{date} - sys_days{date.year() / 1 / 1}).count()) + 1;
    }

    const YearSettings& s_;
    const std::vector<SunAngles>* sun_;
    std::optional<SunTrack> track_;
    double diffuseThroughGlass_;
};

}  // namespace

WindowIrradiation& WindowIrradiation::operator+=(const WindowIrradiation& other) {
    beam += other.beam;
    sky += other.sky;
    ground += other.ground;
    skyIsotropic += other.skyIsotropic;
    circumsolar += other.circumsolar;
    horizon += other.horizon;
    throughGlass += other.throughGlass;
    return *this;
}

WindowIrradiation YearSum(const std::array<WindowIrradiation, 12>& months) {
    WindowIrradiation sum;
    for (const WindowIrradiation& month : months)
        sum += month;
    return sum;
}

WindowIrradiation PeriodSum(const std::array<WindowIrradiation, 12>& months,
                            std::span<const int> period) {
    WindowIrradiation sum;
    for (const int month : period)
        sum += months[month - 1];
    return sum;
}

bool LeapYear(int y) {
    return year{y}.is_leap();
}

std::size_t YearStepCount(const YearSettings& s) {
    return static_cast<std::size_t>(DayCount(s.year) * (1440 / s.stepMinutes));
}

YearTotals RunShadingYear(const YearSettings& settings,
                          const std::function<void(const YearStep&)>& onStep,
                          std::stop_token stop) {
    if (settings.sun && settings.sun->size() != YearStepCount(settings))
        throw std::invalid_argument("the sun given is not at the steps of this year");
    const YearStepper stepper(settings, FirstJulianDay(settings) + DayCount(settings.year),
                              settings.sun, settings.earth);
    const int minutes = settings.stepMinutes;
    const int stepsPerHour = 60 / minutes;
    YearTotals totals;
    int missingSteps = 0;
    int sunSteps = 0;
    WeatherCheckTally checks;
    ForEachStep(settings, stop, [&](const year_month_day& date, int m, double jd, std::size_t k) {
        const YearStep step = stepper.StepAt(date, m, minutes, jd, k);
        if (settings.weather && !step.weatherKnown)
            ++missingSteps;
        sunSteps += step.window.sunOnWindow ? 1 : 0;
        totals.without[step.month - 1] += step.without;
        totals.with[step.month - 1] += step.with;
        if (onStep)
            onStep(step);
        if (settings.weather) {
            checks.AddStep(step.sun);
            if ((m + minutes) % 60 == 0)
                checks.CloseHour(stepper.WeatherAt(step.month, step.day, step.hour));
        }
    });
    totals.missingHours = missingSteps / stepsPerHour;
    totals.sunHours = sunSteps * minutes / 60.0;
    totals.checks = checks.Checks();
    return totals;
}

std::vector<SunAngles> SunAtEveryStep(const YearSettings& settings) {
    const YearStepper stepper(settings, FirstJulianDay(settings) + DayCount(settings.year), nullptr,
                              settings.earth);
    std::vector<SunAngles> sun;
    sun.reserve(YearStepCount(settings));
    ForEachStep(settings, {}, [&](const year_month_day& date, int m, double jd, std::size_t k) {
        const int day = static_cast<int>(static_cast<unsigned>(date.day()));
        sun.push_back(stepper.SunAt(stepper.WeatherAt(Number(date.month()), day, m / 60), jd, k));
    });
    return sun;
}

EarthTrack YearEarthTrack(const YearSettings& settings) {
    const double firstJd = FirstJulianDay(settings);
    return EarthTrack(firstJd, firstJd + DayCount(settings.year));
}

MonthHourTable ShadingOnThe21st(const YearSettings& settings) {
    const double firstJd = FirstJulianDay(settings);
    const YearStepper stepper(settings, firstJd + 366, nullptr, nullptr);
    MonthHourTable table;
    for (unsigned month = 1; month <= 12; ++month) {
        const year_month_day date{year{settings.year} / month / 21};
        for (int hour = 0; hour < 24; ++hour)
            table[month - 1][hour] = stepper.Step(date, hour * 60, 60);
    }
    return table;
}

namespace {

double Removed(const YearTotals& totals, std::span<const int> period,
               double (*part)(const WindowIrradiation&)) {
    double without = 0, with = 0;
    for (const int m : period) {
        without += part(totals.without[m - 1]);
        with += part(totals.with[m - 1]);
    }
    if (without == 0)
        return std::numeric_limits<double>::quiet_NaN();
    return (without - with) / without * 100;
}

}  // namespace

double RemovedPercent(const YearTotals& totals, std::span<const int> period) {
    return Removed(totals, period, [](const WindowIrradiation& w) { return w.Total(); });
}

double RemovedThroughGlassPercent(const YearTotals& totals, std::span<const int> period) {
    return Removed(totals, period, [](const WindowIrradiation& w) { return w.throughGlass; });
}

std::array<double, 3> RemovedByPeriod(const YearTotals& totals, bool throughGlass) {
    const auto removed = throughGlass ? RemovedThroughGlassPercent : RemovedPercent;
    std::array<double, 3> shares{};
    for (std::size_t p = 0; p < YearPeriods.size(); ++p)
        shares[p] = removed(totals, YearPeriods[p]);
    return shares;
}
