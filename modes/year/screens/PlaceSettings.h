#pragma once

#include <QByteArray>
#include <string>

#include "modes/year/StoredPlace.h"
#include "modes/year/WindowAngles.h"

// The last place, time zone, window facing and fin side the user gave, kept in the user's
// settings from run to run. An empty time zone means the fixed UTC offset.
struct PlaceSettings {
    double latitude = StoredPlace{}.latitude;
    double longitude = StoredPlace{}.longitude;
    QByteArray timeZone;
    double utcOffset = StoredPlace{}.utcOffset;  // hours
    WindowFacing facing;
    std::string problem;  // stored values refused on loading, to be told once
};

// The place offered before the user has given one: the system time zone's own place, in that
// zone.
PlaceSettings FirstPlace();

// The stored values, each checked as an entry of its kind; a missing or refused one is the
// first place's.
PlaceSettings LoadPlaceSettings();
void SavePlaceSettings(const PlaceSettings& settings);
