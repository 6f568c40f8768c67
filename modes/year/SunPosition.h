#pragma once

// The sun's apparent position for a place on the earth and an instant in UTC, from the libnova
// ephemeris. The horizontal position includes the topocentric parallax and standard
// refraction. libnova keeps internal caches; the calls that use them take a lock, so any
// thread may call these.

struct Place {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    double elevation = 0;  // metres above sea level
};

// Refraction depends on the air at the observer.
struct Atmosphere {
    double pressure = 1010;   // mbar
    double temperature = 10;  // degrees Celsius
};

// Apparent solar altitude above the horizon and azimuth from north, clockwise, in degrees.
struct SunAngles {
    double altitude;
    double azimuth;
};

// The sun's place as seen from the earth's centre: it changes slowly, so a run over many
// instants can compute it at a few of them and interpolate (SunTrack).
struct GeocentricSun {
    double rightAscension;   // degrees, apparent, equinox of date
    double declination;      // degrees
    double distance;         // astronomical units
    double equinoxEquation;  // apparent minus mean sidereal time, degrees
};

// Julian day of a UTC calendar instant.
double JulianDayUtc(int year, int month, int day, int hour, int minute, double second);

GeocentricSun GeocentricSunAt(double julianDayUtc);

// Altitude and azimuth at the place for the geocentric place of the sun at that instant.
SunAngles HorizontalSun(const GeocentricSun& sun, const Place& place, double julianDayUtc,
                        const Atmosphere& air);

SunAngles ApparentSunPosition(const Place& place, double julianDayUtc, const Atmosphere& air = {});
