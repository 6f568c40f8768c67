#include "modes/year/screens/YearCaption.h"

#include "base/NumberText.h"
#include "output/YearSection.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/mduUmbravel.h"

std::string DeviceDimensionsInWords(const DeviceShape& device) {
    mduUmbravel::ShadeGeometryRecord g;
    g.L = device.L;
    g.W = device.W;
    g.WP = device.WP;
    g.DelW = device.WP - device.W;
    g.H = device.H;
    g.Lh = device.Lh;
    g.LhP = device.LhP;
    return DimensionsInWords(device.geometry, g, mduUmbravel::Kept.unit);
}

std::string PlaceAndWeatherInWords(const YearRequest& request) {
    const YearEntries& e = request.entries;
    std::string words = "Latitude " + PlainNumberText(e.latitude) + ", longitude " +
                        PlainNumberText(e.longitude) + ", window facing " +
                        PlainNumberText(e.facing.bearing) + " deg, year " + std::to_string(e.year) +
                        ", ";
    words += request.weather ? "weather: " + request.weather->location.name : ClearSkyText();
    if (e.glazingPanes > 0)
        words += ", through " + GlazingText(e.glazingPanes);
    return words;
}
