#pragma once

// The sun's observed position for a place on the earth and an instant in UTC, from the IAU's
// SOFA routines as the ERFA library gives them: apparent (aberration, precession and nutation
// to the date), topocentric and refracted. ERFA keeps no state, so any thread may call these.

struct Place {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    double elevation = 0;  // metres above sea level
};

// Refraction depends on the air at the observer.
struct Atmosphere {
    double pressure = 1013.25;  // hPa
    double temperature = 10;    // degrees Celsius
};

// The standard atmosphere's pressure at the elevation, at 10 degrees Celsius.
Atmosphere StandardAir(double elevation);

// Observed solar altitude above the horizon and azimuth from north, clockwise, in degrees.
struct SunAngles {
    double altitude;
    double azimuth;
};

// What the sun's position needs that changes slowly with time: the earth's orbit and the
// celestial pole. A run over many instants can work it out at a few of them and interpolate
// (EarthTrack); the earth's rotation, the observer's place and the air are taken at each instant.
struct EarthOrbitAndPole {
    double position[3];      // the earth's, from the solar system's barycentre, au
    double velocity[3];      // the earth's, barycentric, au/day
    double heliocentric[3];  // the earth's position from the sun, au
    double pole[3];          // celestial intermediate pole x, y and locator s, radians
};

// Julian day of a UTC calendar instant.
double JulianDayUtc(int year, int month, int day, int hour, int minute, double second);

EarthOrbitAndPole EarthOrbitAndPoleAt(double julianDayUtc);

SunAngles ObservedSun(const EarthOrbitAndPole& earth, const Place& place, double julianDayUtc,
                      const Atmosphere& air);

SunAngles ApparentSunPosition(const Place& place, double julianDayUtc, const Atmosphere& air);

// In the standard atmosphere of the place's elevation.
SunAngles ApparentSunPosition(const Place& place, double julianDayUtc);
