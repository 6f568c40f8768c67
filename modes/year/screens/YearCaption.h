#pragma once

#include <string>

#include "modes/year/screens/YearCalculation.h"

// The last words under a picture of a design's year: the place, the window's facing, the year,
// the weather or clear sky, and the glazing. "Latitude 39.74, longitude -105.18, window facing
// 180 deg, year 2025, weather: Golden".
std::string PlaceAndWeatherInWords(const YearRequest& request);
