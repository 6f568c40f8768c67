#pragma once

#include <optional>
#include <string>

#include "modes/year/WindowAngles.h"

// The last place and window facing the user gave, as the settings file stores them: each value
// as its text, none when the file lacks it.
struct StoredPlaceTexts {
    std::optional<std::string> latitude, longitude, utcOffset, facing, finSide;
};

// The values to start from: each stored text that is a number within its bounds (or a fin
// side), else the starting value. problem names the keys whose stored values were refused, empty
// when none was.
struct StoredPlace {
    double latitude = 39.742476;
    double longitude = -105.1786;
    double utcOffset = -7;  // hours
    WindowFacing facing;
    std::string problem;
};

// Values the texts do not give, or give refused, are those of start.
StoredPlace CheckStoredPlace(const StoredPlaceTexts& texts, const StoredPlace& start = {});
