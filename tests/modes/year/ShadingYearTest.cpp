#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "modes/year/ClearSky.h"
#include "modes/year/EpwText.h"
#include "modes/year/Glazing.h"
#include "modes/year/PerezSky.h"
#include "modes/year/ShadingYear.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"
#include "screens/kit/mduUmbravel.h"
#include "support/TempFolder.h"

using mduUmbravel::DegToRad;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

double Parsed(const std::string& field) {
    double x = NAN;
    std::from_chars(field.data(), field.data() + field.size(), x);
    return x;
}

class ShadingYearTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings_.place = {39.74, -105.18, 1829};
        settings_.utcOffset = -7;
        settings_.facing = {200, FinSide::Right};
        settings_.year = 2025;
        settings_.groundReflectance = 0.3;
        settings_.skyFactor = 0.625;
        settings_.groundFactor = 0.875;
    }
    void UseWeather(bool leap, const std::function<EpwHour(int, int, int)>& weather,
                    const std::string& location =
                        "LOCATION,Golden,CO,USA,Test,724666,39.74,-105.18,-7.0,1829") {
        WriteBytes(folder_.Path() / "w.epw", JoinedEpw(EpwLines(leap, weather, location)));
        weather_ = ReadWeatherFile(folder_.Slash() + "w.epw");
        settings_.weather = &weather_;
    }
    TempFolder folder_;
    WeatherYear weather_;
    YearSettings settings_;
};

TEST_F(ShadingYearTest, HandWorkedHourAndItsCsvRow) {
    UseWeather(false, [](int, int, int) { return EpwHour{400, 600, 100}; });
    HourlyCsvFile csv(folder_.Slash() + "hours.csv", settings_);
    std::vector<YearStep> steps;
    RunShadingYear(settings_, [&](const YearStep& s) {
        csv.Write(s);
        steps.push_back(s);
    });
    csv.Close();
    ASSERT_EQ(steps.size(), 8760u);

    // 21 June, 14:00 to 15:00 local standard time (UTC-7): the sun at 21:30 UTC.
    const YearStep& s = steps[(31 + 28 + 31 + 30 + 31 + 20) * 24 + 14];
    ASSERT_EQ(s.month * 10000 + s.day * 100 + s.hour, 62114);
    // Refracted in the file's air, 830 hPa and 10 C.
    const SunAngles sun =
        ApparentSunPosition(settings_.place, JulianDayUtc(2025, 6, 21, 21, 30, 0), {830, 10});
    EXPECT_NEAR(s.sun.altitude, sun.altitude, 1e-5);
    EXPECT_NEAR(s.sun.azimuth, sun.azimuth, 1e-5);
    const double altitude = sun.altitude, azimuth = -(sun.azimuth - 200);  // fin to the east
    ASSERT_TRUE(s.window.sunOnWindow);
    EXPECT_NEAR(s.window.azimuth, azimuth, 1e-5);
    const double beam = 600 * std::cos(altitude * M_PI / 180) * std::cos(azimuth * M_PI / 180);
    const double usf = ExactUnshadedFraction(DeviceShape{}, DegToRad(altitude), DegToRad(azimuth));
    EXPECT_NEAR(s.beamUSF, usf, 1e-5);
    EXPECT_NEAR(s.without.beam, beam, 1e-4);
    EXPECT_NEAR(s.with.beam, beam * usf, 1e-4);
    EXPECT_DOUBLE_EQ(s.without.sky, 50);
    EXPECT_DOUBLE_EQ(s.without.ground, 60);
    EXPECT_DOUBLE_EQ(s.with.sky, 50 * 0.625);
    EXPECT_DOUBLE_EQ(s.with.ground, 60 * 0.875);

    const std::vector<std::string> lines = Split(ReadBytes(folder_.Path() / "hours.csv"), '\n');
    ASSERT_EQ(lines.size(), 8761u);
    EXPECT_EQ(lines[0],
              "start,sun_altitude_deg,sun_azimuth_deg,window_altitude_deg,window_azimuth_deg,"
              "sun_on_window,beam_usf,beam_without_Wh_m2,sky_without_Wh_m2,ground_without_Wh_m2,"
              "beam_with_Wh_m2,sky_with_Wh_m2,ground_with_Wh_m2\r");
    const std::vector<std::string> row = Split(lines[1 + (&s - steps.data())], ',');
    ASSERT_EQ(row.size(), 13u);
    EXPECT_EQ(row[0], "2025-06-21T14:00-07:00");
    EXPECT_EQ(row[5], "yes");
    // Seventeen significant digits give every double back exactly.
    EXPECT_EQ(Parsed(row[1]), s.sun.altitude);
    EXPECT_EQ(Parsed(row[4]), s.window.azimuth);
    EXPECT_EQ(Parsed(row[6]), s.beamUSF);
    EXPECT_EQ(Parsed(row[12].substr(0, row[12].size() - 1)), s.with.ground);
    const std::vector<std::string> night = Split(lines[1], ',');
    ASSERT_EQ(night.size(), 13u);
    EXPECT_EQ(night[0], "2025-01-01T00:00-07:00");
    EXPECT_EQ(std::vector<std::string>(night.begin() + 5, night.begin() + 11),
              (std::vector<std::string>{"no", "", "0", "50", "60", "0"}));
}

// Each Perez part is shaded its own way, and the glazing takes the beam and the circumsolar at
// the sun's incidence, the rest at the diffuse transmittance; the clear sky stands in for the
// weather file.
TEST_F(ShadingYearTest, PerezPartsGlazingAndClearSkyOnTheSolsticeAfternoon) {
    UseWeather(false, [](int, int, int) { return EpwHour{400, 600, 100}; });
    settings_.sky = SkyModel::Perez;
    settings_.horizonFactor = 0.5;
    settings_.glazingPanes = 1;
    for (const bool clear : {false, true}) {
        SCOPED_TRACE(clear ? "clear sky" : "weather file");
        if (clear) {
            settings_.weather = nullptr;
            settings_.clearSky = true;
        }
        const MonthHourTable table = ShadingOnThe21st(settings_);
        const YearStep& s = table[5][14];
        ASSERT_TRUE(s.window.sunOnWindow);
        const double cosIncidence = CosIncidence(s.window);
        const ClearSkyIrradiance sky = AshraeClearSky(6, s.sun.altitude);
        const double dni = clear ? sky.directNormal : 600,
                     dhi = clear ? sky.diffuseHorizontal : 100;
        const PerezSkyParts p = PerezVerticalSky(dni, dhi, 90 - s.sun.altitude, cosIncidence, 172);
        ASSERT_GT(p.circumsolar, 0);
        EXPECT_DOUBLE_EQ(s.without.circumsolar, p.circumsolar);
        EXPECT_DOUBLE_EQ(s.with.skyIsotropic, p.isotropic * 0.625);
        EXPECT_DOUBLE_EQ(s.with.circumsolar, p.circumsolar * s.beamUSF);
        EXPECT_DOUBLE_EQ(s.with.horizon, p.horizon * 0.5);
        EXPECT_DOUBLE_EQ(s.with.sky, s.with.skyIsotropic + s.with.circumsolar + s.with.horizon);
        const double ground =
            (clear ? dni * std::sin(DegToRad(s.sun.altitude)) + dhi : 400) * 0.3 * 0.5;
        EXPECT_NEAR(s.without.ground, ground, 1e-9);
        const double beamTau = GlazingBeamTransmittance(1, std::acos(cosIncidence));
        EXPECT_NEAR(s.with.throughGlass,
                    (dni * cosIncidence * s.beamUSF + p.circumsolar * s.beamUSF) * beamTau +
                        (p.isotropic * 0.625 + p.horizon * 0.5 + ground * 0.875) *
                            GlazingDiffuseTransmittance(1),
                    1e-9);
        // In the morning the sun is behind the south-south-west window: no circumsolar.
        EXPECT_FALSE(table[5][7].window.sunOnWindow);
        EXPECT_EQ(table[5][7].with.circumsolar, 0);
    }
}

TEST_F(ShadingYearTest, MonthSumsCountEveryHourAndMissingOnes) {
    UseWeather(false, [](int month, int day, int hour) {
        return EpwHour{0, 0, month == 1 && day == 1 && hour == 7 ? 9999.0 : 100.0};
    });
    settings_.year = 2024;  // its 29 February is not in the file
    int steps = 0;
    const YearTotals hourly = RunShadingYear(settings_, [&](const YearStep&) { ++steps; });
    EXPECT_EQ(steps, 8784);
    EXPECT_EQ(hourly.missingHours, 25);
    const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 0; m < 12; ++m) {
        const double hours = days[m] * 24 - (m == 0 ? 1 : 0);
        EXPECT_DOUBLE_EQ(hourly.without[m].sky, hours * 50) << m + 1;
        EXPECT_DOUBLE_EQ(hourly.with[m].sky, hours * 50 * settings_.skyFactor) << m + 1;
        EXPECT_EQ(hourly.without[m].beam + hourly.without[m].ground, 0) << m + 1;
    }
    settings_.stepMinutes = 15;
    steps = 0;
    const YearTotals quarterly = RunShadingYear(settings_, [&](const YearStep&) { ++steps; });
    EXPECT_EQ(steps, 4 * 8784);
    EXPECT_EQ(quarterly.missingHours, 25);
    EXPECT_NEAR(quarterly.without[6].sky, hourly.without[6].sky, 1e-9);
    EXPECT_NEAR(RemovedPercent(quarterly, JuneToAugust), (1 - settings_.skyFactor) * 100, 1e-9);
}

// Runs that share the sun, or the earth's track, worked out ahead step through the very same
// year; a sun of other steps is refused rather than read past its end.
TEST_F(ShadingYearTest, ASunOrEarthTrackWorkedOutAheadGivesTheSameSteps) {
    UseWeather(false, [](int, int, int hour) { return EpwHour{300.0 + hour, 500, 90}; });
    settings_.device = DeviceShape{Geometry::AwningAndFins, 2, 4, 3, 3, 1, 3, DeviceLayout::Drawn};
    settings_.stepMinutes = 30;
    std::vector<YearStep> own;
    const YearTotals ownTotals =
        RunShadingYear(settings_, [&](const YearStep& step) { own.push_back(step); });
    EXPECT_GT(ownTotals.sunHours, 1000);
    const EarthTrack earth = YearEarthTrack(settings_);
    settings_.earth = &earth;
    const std::vector<SunAngles> sun = SunAtEveryStep(settings_);
    EXPECT_EQ(sun.size(), YearStepCount(settings_));
    const std::vector<SunAngles>* const none = nullptr;
    for (const std::vector<SunAngles>* given : {none, &sun}) {
        settings_.sun = given;
        std::vector<YearStep> shared;
        const YearTotals sharedTotals =
            RunShadingYear(settings_, [&](const YearStep& step) { shared.push_back(step); });
        ASSERT_EQ(own.size(), shared.size());
        for (std::size_t k = 0; k < own.size(); ++k) {
            ASSERT_EQ(own[k].sun.altitude, shared[k].sun.altitude) << k;
            ASSERT_EQ(own[k].sun.azimuth, shared[k].sun.azimuth) << k;
            ASSERT_EQ(own[k].with.Total(), shared[k].with.Total()) << k;
        }
        EXPECT_EQ(YearSum(ownTotals.with).Total(), YearSum(sharedTotals.with).Total());
        EXPECT_EQ(ownTotals.sunHours, sharedTotals.sunHours);
    }
    settings_.sun = &sun;
    settings_.stepMinutes = 60;
    EXPECT_THROW(RunShadingYear(settings_), std::invalid_argument);
}

TEST_F(ShadingYearTest, AStopRequestEndsTheRunAtTheEndOfTheDay) {
    UseWeather(false, [](int, int, int) { return EpwHour{0, 0, 100}; });
    std::stop_source stop;
    int steps = 0;
    const YearTotals totals = RunShadingYear(
        settings_,
        [&](const YearStep& step) {
            ++steps;
            if (step.month == 2 && step.day == 3 && step.hour == 5)
                stop.request_stop();
        },
        stop.get_token());
    EXPECT_EQ(steps, (31 + 3) * 24);
    EXPECT_DOUBLE_EQ(totals.without[1].sky, 3 * 24 * 50.0);
    EXPECT_EQ(totals.without[2].sky, 0);
}

TEST_F(ShadingYearTest, MonthHourTableOnThe21stAndItsCsv) {
    const MonthHourTable table = ShadingOnThe21st(settings_);
    for (int month = 0; month < 12; ++month) {
        for (int hour = 0; hour < 24; ++hour) {
            const YearStep& s = table[month][hour];
            ASSERT_EQ(s.month * 10000 + s.day * 100 + s.hour, (month + 1) * 10000 + 2100 + hour);
            const SunAngles sun = ApparentSunPosition(
                settings_.place, JulianDayUtc(2025, month + 1, 21, 0, 0, 0) + (hour + 0.5 + 7) / 24,
                settings_.air);
            EXPECT_NEAR(s.sun.altitude, sun.altitude, 1e-5);
            EXPECT_EQ(s.window.sunOnWindow, std::isfinite(s.beamUSF));
        }
    }
    EXPECT_FALSE(table[11][0].window.sunOnWindow);
    EXPECT_TRUE(table[11][12].window.sunOnWindow);
    WriteMonthHourCsv(folder_.Slash() + "table.csv", table);
    const std::vector<std::string> lines = Split(ReadBytes(folder_.Path() / "table.csv"), '\n');
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].substr(0, 24), "month,00:00,01:00,02:00,");
    const std::vector<std::string> december = Split(lines[12], ',');
    ASSERT_EQ(december.size(), 25u);
    EXPECT_EQ(december[1], "");
    EXPECT_EQ(Parsed(december[13]), table[11][12].beamUSF);
}

// Made-up weather with one defect each: the line names what the checks find, whatever the step,
// and is empty for weather without defects.
TEST_F(ShadingYearTest, WeatherChecksLineNamesWhatTheChecksFind) {
    const std::string golden = "LOCATION,Golden,CO,USA,Test,724666,39.74,-105.18,-7.0,1829";
    struct Row {
        std::string location;
        std::function<EpwHour(int, int, int)> weather;
        std::string line;  // its start
    };
    const Row rows[] = {
        {golden,
         [](int, int, int) {
             return EpwHour{0, 0, 0};
         },
         ""},
        {golden,
         [](int, int, int hour) {
             return EpwHour{0, hour <= 2 ? 100.0 : 0, 0};
         },
         "Weather data checks: 730 hours with direct normal irradiation while the sun is below "
         "the horizon (73.0 kWh/m2)"},
        {golden,
         [](int, int, int hour) {
             return EpwHour{0, hour == 13 ? 1000.0 : 0, 0};
         },
         "Weather data checks: 365 hours with the beam on the horizontal above the global (by "},
        {golden,
         [](int, int, int hour) {
             return EpwHour{1000, hour == 13 ? 1000.0 : 0, 0};
         },
         ""},
        {golden,
         [](int month, int day, int hour) {
             return EpwHour{month == 3 && day == 1 && hour == 5 ? 9999.0 : 0, 0, 0};
         },
         "Weather data checks: 1 hour missing"},
        {"LOCATION,Golden,CO,USA,Test,724666,39.74,-105.18,1.0,1829",
         [](int, int, int) {
             return EpwHour{0, 0, 0};
         },
         "Weather data checks: the place 120.2 deg of longitude from its time zone's meridian"},
    };
    for (const Row& row : rows) {
        UseWeather(false, row.weather, row.location);
        for (int minutes : {60, 15}) {
            settings_.stepMinutes = minutes;
            const std::string line = WeatherChecksLine(settings_, RunShadingYear(settings_));
            if (row.line.empty())
                EXPECT_EQ(line, "") << minutes;
            else
                EXPECT_TRUE(line.starts_with(row.line)) << line << " / " << minutes;
        }
    }
}

}  // namespace
