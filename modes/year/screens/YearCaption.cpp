#include "modes/year/screens/YearCaption.h"

#include "base/NumberText.h"
#include "output/YearSection.h"

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
