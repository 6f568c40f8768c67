#include "modes/year/ShadingYear.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>

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

class YearStepper {
  public:
    YearStepper(const YearSettings& s, double firstJulianDay, double lastJulianDay)
        : s_(s),
          track_(s.place, firstJulianDay, lastJulianDay),
          diffuseThroughGlass_(GlazingDiffuseTransmittance(s.glazingPanes)) {}

    // The step that starts at minuteOfDay on the date and lasts the given minutes.
    YearStep Step(const year_month_day& date, int minuteOfDay, int minutes) const {
        const double jd =
            JulianDayUtc(static_cast<int>(date.year()),
                         static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())), 0, 0, 0) +
            (minuteOfDay + minutes / 2.0) / MinutesPerDay - s_.utcOffset / 24;
        return StepAt(date, minuteOfDay, minutes, jd);
    }

    YearStep StepAt(const year_month_day& date, int minuteOfDay, int minutes, double jd) const {
        YearStep step{};
        step.month = static_cast<int>(static_cast<unsigned>(date.month()));
        step.day = static_cast<int>(static_cast<unsigned>(date.day()));
        step.hour = minuteOfDay / 60;
        step.minute = minuteOfDay % 60;
        const WeatherHour* weather = WeatherAt(step.month, step.day, step.hour);
        step.sun = track_.At(jd, AirAt(weather));
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
    SunTrack track_;
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

bool LeapYear(int y) {
    return year{y}.is_leap();
}

YearTotals RunShadingYear(const YearSettings& settings,
                          const std::function<void(const YearStep&)>& onStep,
                          std::stop_token stop) {
    const sys_days first{year{settings.year} / 1 / 1};
    const int dayCount = LeapYear(settings.year) ? 366 : 365;
    const double firstJd = JulianDayUtc(settings.year, 1, 1, 0, 0, 0) - settings.utcOffset / 24;
    const YearStepper stepper(settings, firstJd, firstJd + dayCount);
    const int minutes = settings.stepMinutes;
    const int stepsPerHour = 60 / minutes;
    YearTotals totals;
    int missingSteps = 0;
    WeatherCheckTally checks;
    for (int d = 0; d < dayCount && !stop.stop_requested(); ++d) {
        const year_month_day date{first + days{d}};
        const unsigned month = static_cast<unsigned>(date.month());
        for (int m = 0; m < 1440; m += minutes) {
            const double jd = firstJd + d + (m + minutes / 2.0) / MinutesPerDay;
            const YearStep step = stepper.StepAt(date, m, minutes, jd);
            if (settings.weather && !step.weatherKnown)
                ++missingSteps;
            totals.without[month - 1] += step.without;
            totals.with[month - 1] += step.with;
            if (onStep)
                onStep(step);
            if (settings.weather) {
                checks.AddStep(step.sun);
                if ((m + minutes) % 60 == 0)
                    checks.CloseHour(stepper.WeatherAt(step.month, step.day, step.hour));
            }
        }
    }
    totals.missingHours = missingSteps / stepsPerHour;
    totals.checks = checks.Checks();
    return totals;
}

MonthHourTable ShadingOnThe21st(const YearSettings& settings) {
    const double firstJd = JulianDayUtc(settings.year, 1, 1, 0, 0, 0) - settings.utcOffset / 24;
    const YearStepper stepper(settings, firstJd, firstJd + 366);
    MonthHourTable table;
    for (unsigned month = 1; month <= 12; ++month) {
        const year_month_day date{year{settings.year} / month / 21};
        for (int hour = 0; hour < 24; ++hour)
            table[month - 1][hour] = stepper.Step(date, hour * 60, 60);
    }
    return table;
}

namespace {

double Removed(const YearTotals& totals, std::initializer_list<int> months,
               double (*part)(const WindowIrradiation&)) {
    double without = 0, with = 0;
    for (int m : months) {
        without += part(totals.without[m - 1]);
        with += part(totals.with[m - 1]);
    }
    if (without == 0)
        return std::numeric_limits<double>::quiet_NaN();
    return (without - with) / without * 100;
}

}  // namespace

double RemovedPercent(const YearTotals& totals, std::initializer_list<int> months) {
    return Removed(totals, months, [](const WindowIrradiation& w) { return w.Total(); });
}

double RemovedThroughGlassPercent(const YearTotals& totals, std::initializer_list<int> months) {
    return Removed(totals, months, [](const WindowIrradiation& w) { return w.throughGlass; });
}
