#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "modes/year/DeltaT.h"
#include "modes/year/SunPosition.h"
#include "modes/year/SunTrack.h"
#include "modes/year/WindowAngles.h"

namespace {

constexpr double Arcsecond = 1.0 / 3600;

// No air: the true topocentric position.
constexpr Atmosphere Vacuum{0, 10};

TEST(SunPositionTest, MatchesThePublishedPosition) {
    // 17 October 2003, 12:30:30 at UTC-7, 1830.14 m, 820 mbar, 11 C: zenith 50.11162 deg,
    // azimuth 194.34024 deg.
    const SunAngles sun = ApparentSunPosition({39.742476, -105.1786, 1830.14},
                                              JulianDayUtc(2003, 10, 17, 19, 30, 30), {820, 11});
    EXPECT_NEAR(90 - sun.altitude, 50.11162, 0.0003);
    EXPECT_NEAR(sun.azimuth, 194.34024, 0.0003);
}

// Mean obliquity of the ecliptic (IAU 2006) plus the nutation in obliquity by its four largest
// terms (good to 0.1 arcsecond), in degrees, T in centuries from J2000.
double TrueObliquity(double julianDay) {
    const double t = (julianDay - 2451545.0) / 36525;
    const double mean = 84381.406 - 46.836769 * t - 0.0001831 * t * t + 0.0020034 * t * t * t;
    const double deg = M_PI / 180;
    const double node = (125.04452 - 1934.136261 * t) * deg;
    const double sun = (280.4665 + 36000.7698 * t) * deg;
    const double moon = (218.3165 + 481267.8813 * t) * deg;
    const double nutation = 9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) +
                            0.10 * std::cos(2 * moon) - 0.09 * std::cos(2 * node);
    return (mean + nutation) * Arcsecond;
}

// Seen from the north pole without air, the sun's altitude is its declination, lowered by the
// parallax of the earth's polar radius (8.794 arcseconds at 1 au times cos declination).
double PoleAltitude(double julianDay) {
    return ApparentSunPosition({90, 0, 0}, julianDay, Vacuum).altitude;
}

double PolarParallax(double declination, double distance) {
    return 8.794 * 0.99665 * std::cos(declination * M_PI / 180) / distance * Arcsecond;
}

TEST(SunPositionTest, DeclinationAtEquinoxesAndSolsticesFrom1950To2100) {
    // The equinoxes' published instants (UTC, to the minute): declination 0 within the
    // minute's 0.00014 degrees and the sun's ecliptic latitude.
    struct Equinox {
        int year, month, day, hour, minute;
    } const equinoxes[] = {{2000, 3, 20, 7, 35}, {2024, 3, 20, 3, 6}};
    for (const Equinox& e : equinoxes) {
        const double altitude =
            PoleAltitude(JulianDayUtc(e.year, e.month, e.day, e.hour, e.minute, 0));
        EXPECT_NEAR(altitude, -PolarParallax(0, 0.996), 0.0005) << e.year;
    }
    // At a solstice the declination stands still at plus or minus the true obliquity: the
    // extreme of the hourly altitudes over a week around it, within the sun's ecliptic latitude
    // (about an arcsecond at most, from the moon's pull on the earth and the planets').
    struct Solstice {
        int year, month;
        double distance;  // au
    } const solstices[] = {{1950, 6, 1.0163},
                           {2024, 6, 1.0163},
                           {2024, 12, 0.9837},
                           {2100, 6, 1.0163},
                           {2100, 12, 0.9837}};
    for (const Solstice& s : solstices) {
        const double first = JulianDayUtc(s.year, s.month, 18, 0, 0, 0);
        const double sign = s.month == 6 ? 1 : -1;
        double extreme = -90;
        for (int hour = 0; hour < 7 * 24; ++hour)
            extreme = std::max(extreme, sign * PoleAltitude(first + hour / 24.0));
        const double obliquity = TrueObliquity(first + 3.5);
        EXPECT_NEAR(extreme, obliquity - sign * PolarParallax(obliquity, s.distance), 0.0004)
            << s.year << "-" << s.month;
    }
}

TEST(SunPositionTest, RisesAtThePublishedSunrise) {
    // Sunrise on 1 January 2002 at longitude 0, in UT rounded to the minute: the upper limb (16
    // arcminutes above the centre) on the refracted horizon in standard air.
    struct Sunrise {
        double latitude;
        int hour, minute;
    } const sunrises[] = {{40, 7, 22}, {0, 6, 0}, {-40, 4, 35}};
    for (const Sunrise& r : sunrises) {
        const Place place{r.latitude, 0, 0};
        const auto upperLimb = [&](double jd) {
            return ApparentSunPosition(place, jd, {1010, 10}).altitude + 16.0 / 60;
        };
        const double published = JulianDayUtc(2002, 1, 1, r.hour, r.minute, 0);
        double below = published - 10.0 / 1440, above = published + 10.0 / 1440;
        ASSERT_LT(upperLimb(below), 0) << r.latitude;
        ASSERT_GT(upperLimb(above), 0) << r.latitude;
        while (above - below > 1e-6) {
            const double middle = (below + above) / 2;
            (upperLimb(middle) < 0 ? below : above) = middle;
        }
        EXPECT_NEAR((below - published) * 1440, 0, 0.75) << r.latitude;
    }
}

TEST(SunPositionTest, TrackAgreesWithDirectPositionThroughTheYear) {
    const Place place{-33.9, 151.2, 40};
    const Atmosphere air = StandardAir(place.elevation);
    const double first = JulianDayUtc(2024, 1, 1, 0, 0, 0);
    const double last = JulianDayUtc(2025, 1, 1, 0, 0, 0);
    const SunTrack track(place, first, last);
    for (double jd = first; jd <= last; jd += 7.123) {
        const SunAngles direct = ApparentSunPosition(place, jd, air);
        const SunAngles tracked = track.At(jd, air);
        EXPECT_NEAR(tracked.altitude, direct.altitude, 1e-5) << jd;
        EXPECT_NEAR(std::remainder(tracked.azimuth - direct.azimuth, 360.0), 0, 1e-5) << jd;
    }
}

TEST(SunPositionTest, StandardAirAtTheElevation) {
    // The international standard atmosphere's published pressures.
    const double pressures[][2] = {{0, 1013.25}, {1000, 898.76}, {3000, 701.12}};
    for (const auto& [elevation, pressure] : pressures)
        EXPECT_NEAR(StandardAir(elevation).pressure, pressure, 0.05) << elevation;
}

TEST(DeltaTTest, TableItsEndsAndBeyond) {
    struct Case {
        double julianDay;
        double seconds, tolerance;
    } const cases[] = {
        {2451544.5, 63.8285, 1e-9},             // 1 January 2000
        {2451544.5 + 365.25 / 2, 63.96, 0.01},  // halfway through 2000
        {2433282.4, 29.15, 0.01},               // the table's first day, just before and after
        {2433282.6, 29.15, 0.01},
        {2459945.4, 69.18, 0.01},  // and its last
        {2459945.6, 69.18, 0.01},
        {2415020.5, -2.8, 1.5},  // 1900, from the observed UT of the time
    };
    for (const Case& c : cases)
        EXPECT_NEAR(DeltaT(c.julianDay), c.seconds, c.tolerance) << c.julianDay;
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
