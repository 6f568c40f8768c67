#include "modes/year/SunPosition.h"

#include <libnova/dynamical_time.h>
#include <libnova/julian_day.h>
#include <libnova/nutation.h>
#include <libnova/parallax.h>
#include <libnova/refraction.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <cmath>
#include <mutex>

namespace {

// libnova caches the last nutation and solar coordinates in static variables.
std::mutex LibnovaCaches;

constexpr double J2000 = 2451545.0;
constexpr double ArcsecondsPerDegree = 3600;

// Constant of annual aberration, in arcseconds at one astronomical unit.
constexpr double Aberration = 20.4898;

// Below this true altitude the sun's disc has set even with refraction: no refraction is
// applied, as the refraction formula has a pole a few degrees below the horizon.
constexpr double LowestRefractedAltitude = -0.8333;

// libnova's VSOP87 solar position is referred to the mean equinox of J2000; apparent places
// need the equinox of date, so the general precession in longitude is added here.
double PrecessionInLongitude(double julianEphemerisDay) {
    const double t = (julianEphemerisDay - J2000) / 36525;
    return (5029.0966 * t + 1.11113 * t * t) / ArcsecondsPerDegree;
}

double WrapDegrees(double a) {
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360 : a;
}

// libnova's refraction formula takes the apparent altitude; the true altitude comes from the
// ephemeris, so the apparent one is found by fixed-point iteration (converges in a few steps).
double Refraction(double trueAltitude, const Atmosphere& air) {
    if (trueAltitude < LowestRefractedAltitude)
        return 0;
    double apparent = trueAltitude;
    for (int i = 0; i < 4; ++i)
        apparent = trueAltitude + ln_get_refraction_adj(apparent, air.pressure, air.temperature);
    return apparent - trueAltitude;
}

}  // namespace

double JulianDayUtc(int year, int month, int day, int hour, int minute, double second) {
    ln_date date{year, month, day, hour, minute, second};
    return ln_get_julian_day(&date);
}

GeocentricSun GeocentricSunAt(double julianDayUtc) {
    const std::lock_guard lock(LibnovaCaches);
    const double jde = ln_get_jde(julianDayUtc);
    ln_helio_posn geometric;
    ln_get_solar_geom_coords(jde, &geometric);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    // libnova's own apparent longitude scales the aberration wrongly; it is applied here.
    ln_lnlat_posn ecliptic{geometric.L + PrecessionInLongitude(jde) + nutation.longitude -
                               Aberration / ArcsecondsPerDegree / geometric.R,
                           geometric.B};
    ln_equ_posn equatorial;
    ln_get_equ_from_ecl(&ecliptic, jde, &equatorial);
    const double siderealDifference =
        (ln_get_apparent_sidereal_time(julianDayUtc) - ln_get_mean_sidereal_time(julianDayUtc)) *
        15;
    return {equatorial.ra, equatorial.dec, geometric.R, siderealDifference};
}

SunAngles HorizontalSun(const GeocentricSun& sun, const Place& place, double julianDayUtc,
                        const Atmosphere& air) {
    ln_lnlat_posn observer{place.longitude, place.latitude};
    const double siderealHours = ln_get_mean_sidereal_time(julianDayUtc) + sun.equinoxEquation / 15;
    const double hourAngle = siderealHours + place.longitude / 15 - sun.rightAscension / 15;
    ln_equ_posn geocentric{sun.rightAscension, sun.declination};
    ln_equ_posn shift;
    ln_get_parallax_ha(&geocentric, sun.distance, &observer, place.elevation, hourAngle, &shift);
    ln_equ_posn topocentric{sun.rightAscension + shift.ra, sun.declination + shift.dec};
    ln_hrz_posn horizontal;
    ln_get_hrz_from_equ_sidereal_time(&topocentric, &observer, siderealHours, &horizontal);
    // libnova counts azimuth from south, westward.
    return {horizontal.alt + Refraction(horizontal.alt, air), WrapDegrees(horizontal.az + 180)};
}

SunAngles ApparentSunPosition(const Place& place, double julianDayUtc, const Atmosphere& air) {
    return HorizontalSun(GeocentricSunAt(julianDayUtc), place, julianDayUtc, air);
}
