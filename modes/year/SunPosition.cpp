#include "modes/year/SunPosition.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "base/Faults.h"
#include "modes/year/DeltaT.h"

// Times: the program's instants are UTC and no table of UT1 - UTC is kept, so UT1 is taken as
// UTC (within 0.9 s by the definition of UTC, 0.004 degrees of the earth's turn at most) for the
// earth's rotation, and TT as UTC + DeltaT for the orbit and the pole. ERFA's own UTC to TT
// goes through its leap-second table, which knows no ΔT before 1960 nor the growth of ΔT
// after the table's end; a second of TT moves the sun 0.00001 degrees, so the table's and the
// extrapolation's uncertainty stays far below what matters here.
//
// The sun is not a star: ERFA's star routines would deflect its light by itself, and its
// topocentric parallax needs its distance. Its place is therefore built from ERFA's observer
// context (eraApco, which puts the observer on the turning earth): the direction from the
// observer to the sun's centre, aberrated by the observer's barycentric velocity (eraAb),
// rotated to the intermediate system of the date (eraRxp with the bias-precession-nutation
// matrix) and turned into the observed azimuth and zenith distance by eraAtioq. The sun's own
// motion in the 8.3 minutes of light time moves it by less than 0.00001 degrees.

namespace {

constexpr double SecondsPerDay = 86400;

// Below this true altitude the sun's disc has set even with refraction: no refraction is
// applied, as the refraction formula has a pole a few degrees below the horizon.
constexpr double LowestRefractedAltitude = -0.8333;

// Instants split as ERFA prefers them: J2000 and the days from it.
struct TwoPartDate {
    double whole, part;
};

TwoPartDate FromJ2000(double julianDay) {
    return {ERFA_DJ00, julianDay - ERFA_DJ00};
}

TwoPartDate TerrestrialTime(double julianDayUtc) {
    return FromJ2000(julianDayUtc + DeltaT(julianDayUtc) / SecondsPerDay);
}

// Refraction of the sun at a true altitude, in degrees, by Saemundsson's formula scaled to the
// pressure and temperature: it holds down to the horizon, where the A tan z + B tan^3 z model
// of eraRefco, made for zenith distances up to about 75 degrees, would leave the sun too low.
double Refraction(double trueAltitude, const Atmosphere& air) {
    if (trueAltitude < LowestRefractedAltitude)
        return 0;
    const double arcminutes =
        1.02 / std::tan((trueAltitude + 10.3 / (trueAltitude + 5.11)) * ERFA_DD2R);
    return arcminutes / 60 * air.pressure / 1010 * 283 / (273 + air.temperature);
}

}  // namespace

Atmosphere StandardAir(double elevation) {
    // The international standard atmosphere's troposphere: 6.5 K/km from 288.15 K at sea level.
    return {1013.25 * std::pow(1 - 2.25577e-5 * elevation, 5.25588), 10};
}

double JulianDayUtc(int year, int month, int day, int hour, int minute, double second) {
    double start = 0, modified = 0;
    if (eraCal2jd(year, month, day, &start, &modified) != 0)
        throw ProgramStop("no such date for the sun's position");
    return start + modified + (hour * 3600 + minute * 60 + second) / SecondsPerDay;
}

EarthOrbitAndPole EarthOrbitAndPoleAt(double julianDayUtc) {
    const TwoPartDate tt = TerrestrialTime(julianDayUtc);
    EarthOrbitAndPole earth;
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(tt.whole, tt.part, heliocentric, barycentric);
    eraCp(barycentric[0], earth.position);
    eraCp(barycentric[1], earth.velocity);
    eraCp(heliocentric[0], earth.heliocentric);
    eraXys06a(tt.whole, tt.part, &earth.pole[0], &earth.pole[1], &earth.pole[2]);
    return earth;
}

SunAngles ObservedSun(const EarthOrbitAndPole& earth, const Place& place, double julianDayUtc,
                      const Atmosphere& air) {
    const TwoPartDate tt = TerrestrialTime(julianDayUtc);
    const TwoPartDate ut1 = FromJ2000(julianDayUtc);
    double barycentric[2][3], heliocentric[3];  // ERFA takes them by non-const pointer
    std::ranges::copy(earth.position, barycentric[0]);
    std::ranges::copy(earth.velocity, barycentric[1]);
    std::ranges::copy(earth.heliocentric, heliocentric);
    eraASTROM astrom;
    eraApco(tt.whole, tt.part, barycentric, heliocentric, earth.pole[0], earth.pole[1],
            earth.pole[2], eraEra00(ut1.whole, ut1.part), place.longitude * ERFA_DD2R,
            place.latitude * ERFA_DD2R, place.elevation, 0, 0, eraSp00(tt.whole, tt.part), 0, 0,
            &astrom);
    // astrom.eh points from the sun to the observer, astrom.em is their distance in au.
    double towardSun[3], aberrated[3], intermediate[3];
    eraSxp(-1, astrom.eh, towardSun);
    eraAb(towardSun, astrom.v, astrom.em, astrom.bm1, aberrated);
    eraRxp(astrom.bpn, aberrated, intermediate);
    double rightAscension = 0, declination = 0;
    eraC2s(intermediate, &rightAscension, &declination);
    double azimuth = 0, zenith = 0, hourAngle = 0, observedDeclination = 0, observedAscension = 0;
    eraAtioq(rightAscension, declination, &astrom, &azimuth, &zenith, &hourAngle,
             &observedDeclination, &observedAscension);
    const double trueAltitude = 90 - zenith * ERFA_DR2D;
    return {trueAltitude + Refraction(trueAltitude, air), eraAnp(azimuth) * ERFA_DR2D};
}

SunAngles ApparentSunPosition(const Place& place, double julianDayUtc, const Atmosphere& air) {
    return ObservedSun(EarthOrbitAndPoleAt(julianDayUtc), place, julianDayUtc, air);
}

SunAngles ApparentSunPosition(const Place& place, double julianDayUtc) {
    return ApparentSunPosition(place, julianDayUtc, StandardAir(place.elevation));
}
