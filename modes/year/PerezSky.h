#pragma once

// The diffuse sky on a vertical surface by the all-weather model of Perez et al. (1990), with
// the composite coefficient table of that paper: an isotropic background, a circumsolar disc
// seen in the sun's direction and a band along the horizon. Irradiances in W/m2 (or Wh/m2 over
// an interval: the model is linear in the diffuse).

// The sky's condition as the model bins it.
struct PerezIndices {
    double clearness;   // epsilon
    double brightness;  // Delta
    int bin;            // 1 (overcast) to 8 (clear)
    double f1, f2;      // circumsolar and horizon brightening
};

// From the direct normal and diffuse horizontal, the sun's zenith (degrees, below 90) and the
// day of the year (1 to 366) for the extraterrestrial irradiance.
PerezIndices PerezSkyIndices(double directNormal, double diffuseHorizontal, double zenithDeg,
                             int dayOfYear);

struct PerezSkyParts {
    double isotropic = 0, circumsolar = 0, horizon = 0;
};

// The three parts on a vertical surface; cosIncidence is that of the sun on it (0 when it is
// behind). With the sun at or below the horizon the whole diffuse is taken as isotropic: the
// model's indices are not defined there. A negative horizon band (F2 < 0) takes the sky to
// nothing at most.
PerezSkyParts PerezVerticalSky(double directNormal, double diffuseHorizontal, double zenithDeg,
                               double cosIncidence, int dayOfYear);
