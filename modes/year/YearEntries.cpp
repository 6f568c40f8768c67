#include "modes/year/YearEntries.h"

#include "model/PhysicalDiffuse.h"

YearSettings YearSettingsFrom(const YearEntries& e) {
    YearSettings s;
    const double fileElevation = e.weather ? e.weather->location.place.elevation : 0;
    s.place = {e.latitude, e.longitude, e.elevation.value_or(fileElevation)};
    s.utcOffset = e.utcOffset;
    s.air = StandardAir(s.place.elevation);
    s.facing = e.facing;
    s.year = e.year;
    s.stepMinutes = e.stepMinutes;
    s.device = e.device;
    s.weather = e.weather;
    s.groundReflectance = e.groundReflectance;
    if (e.weather) {
        const PhysicalDiffuseFactors diffuse = PhysicalDiffuse(e.device);
        s.skyFactor = diffuse.sky;
        s.groundFactor = diffuse.ground;
    }
    return s;
}
