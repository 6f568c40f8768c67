#pragma once

#include <QByteArray>

#include "modes/year/WindowAngles.h"

// The last place, time zone, window facing and fin side the user gave, kept in the user's
// settings from run to run. An empty time zone means the fixed UTC offset.
struct PlaceSettings {
    double latitude = 39.742476;
    double longitude = -105.1786;
    QByteArray timeZone;
    double utcOffset = -7;  // hours
    WindowFacing facing;
};

PlaceSettings LoadPlaceSettings();
void SavePlaceSettings(const PlaceSettings& settings);
