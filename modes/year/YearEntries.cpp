#include "modes/year/YearEntries.h"

#include "model/PhysicalDiffuse.h"
#include "modes/year/HorizonBand.h"

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
    s.clearSky = !e.weather && e.clearSky;
    s.sky = e.sky;
    s.glazingPanes = e.glazingPanes;
    if (s.Irradiated()) {
        const PhysicalDiffuseFactors diffuse = PhysicalDiffuse(e.device);
        s.skyFactor = diffuse.sky;
        s.groundFactor = diffuse.ground;
        if (s.sky == SkyModel::Perez)
            s.horizonFactor = HorizonBandUnshadedFraction(e.device);
    }
    return s;
}
