#include <gtest/gtest.h>

#include <cmath>

#include "modes/year/SunPosition.h"
#include "modes/year/SunTrack.h"
#include "modes/year/WindowAngles.h"

namespace {

struct NoonCase {
    const char* what;
    double latitude;
    int month, day;
    double expectedAltitude;  // of the highest sun of the day
    double expectedAzimuth;   // where it stands then
    double tolerance;
};

// The highest sun of a day at longitude 0, searched minute by minute around noon.
SunAngles HighestSun(double latitude, int month, int day) {
    const Place place{latitude, 0, 0};
    SunAngles best{-90, 0};
    for (int minute = 11 * 60; minute <= 13 * 60; ++minute) {
        const SunAngles sun =
            ApparentSunPosition(place, JulianDayUtc(2025, month, day, minute / 60, minute % 60, 0));
        if (sun.altitude > best.altitude)
            best = sun;
    }
    return best;
}

TEST(SunPositionTest, MatchesPublishedPositionAndSeasonalNoons) {
    // 17 October 2003, 12:30:30 at UTC-7, 1830.14 m, 820 mbar, 11 C: zenith 50.11162 deg,
    // azimuth 194.34024 deg.
    const SunAngles published = ApparentSunPosition(
        {39.742476, -105.1786, 1830.14}, JulianDayUtc(2003, 10, 17, 19, 30, 30), {820, 11});
    EXPECT_NEAR(90 - published.altitude, 50.11162, 0.01);
    EXPECT_NEAR(published.azimuth, 194.34024, 0.01);

    // The declination moves 0.4 deg a day at the equinox and hardly at the solstices.
    const NoonCase cases[] = {
        {"equinox north", 40, 3, 20, 50, 180, 0.3},
        {"equinox south", -33.9, 3, 20, 56.1, 0, 0.3},
        {"June solstice north", 40, 6, 21, 73.44, 180, 0.05},
        {"June solstice south", -33.9, 6, 21, 32.66, 0, 0.05},
        {"December solstice north", 40, 12, 21, 26.56, 180, 0.05},
    };
    for (const NoonCase& c : cases) {
        const SunAngles sun = HighestSun(c.latitude, c.month, c.day);
        EXPECT_NEAR(sun.altitude, c.expectedAltitude, c.tolerance) << c.what;
        EXPECT_NEAR(std::remainder(sun.azimuth - c.expectedAzimuth, 360.0), 0, 1) << c.what;
    }
}

TEST(SunPositionTest, TrackAgreesWithDirectPositionThroughTheYear) {
    const Place place{-33.9, 151.2, 40};
    const double first = JulianDayUtc(2024, 1, 1, 0, 0, 0);
    const double last = JulianDayUtc(2025, 1, 1, 0, 0, 0);
    const SunTrack track(place, {}, first, last);
    for (double jd = first; jd <= last; jd += 7.123) {
        const SunAngles direct = ApparentSunPosition(place, jd);
        const SunAngles tracked = track.At(jd);
        EXPECT_NEAR(tracked.altitude, direct.altitude, 1e-5) << jd;
        EXPECT_NEAR(std::remainder(tracked.azimuth - direct.azimuth, 360.0), 0, 1e-5) << jd;
    }
}

TEST(WindowAnglesTest, AzimuthFromTheNormalTowardTheFin) {
    struct Case {
        double bearing;
        FinSide side;
        SunAngles sun;
        double azimuth;
        bool onWindow;
    } const cases[] = {
        {180, FinSide::Right, {30, 150}, 30, true},  // south window, fin to the east
        {180, FinSide::Left, {30, 150}, -30, true},
        {180, FinSide::Left, {30, 200}, 20, true},
        {0, FinSide::Left, {10, 350}, -10, true},     // across north
        {225, FinSide::Right, {45, 45}, 180, false},  // behind the wall
        {90, FinSide::Right, {20, 180.5}, -90.5, false},
        {180, FinSide::Right, {-1, 180}, 0, false},  // below the horizon
    };
    for (const Case& c : cases) {
        const WindowAngles w = RelativeToWindow(c.sun, {c.bearing, c.side});
        EXPECT_DOUBLE_EQ(w.altitude, c.sun.altitude);
        EXPECT_NEAR(w.azimuth, c.azimuth, 1e-12) << c.bearing << " " << c.sun.azimuth;
        EXPECT_EQ(w.sunOnWindow, c.onWindow) << c.bearing << " " << c.sun.azimuth;
    }
    EXPECT_NEAR(CosIncidence({60, 60, true}), 0.25, 1e-15);
    EXPECT_EQ(CosIncidence({60, 100, false}), 0);
}

}  // namespace
