#include "modes/year/screens/PlaceSettings.h"

#include <QSettings>

namespace {

std::optional<std::string> Stored(const QSettings& s, const char* key) {
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toString().toStdString();
}

}  // namespace

PlaceSettings LoadPlaceSettings() {
    const QSettings s("Helioran", "Umbravel");
    const StoredPlace stored = CheckStoredPlace(
        {Stored(s, "place/latitude"), Stored(s, "place/longitude"), Stored(s, "place/utcOffset"),
         Stored(s, "window/facing"), Stored(s, "window/finSide")});
    PlaceSettings p;
    p.latitude = stored.latitude;
    p.longitude = stored.longitude;
    p.timeZone = s.value("place/timeZone", p.timeZone).toByteArray();
    p.utcOffset = stored.utcOffset;
    p.facing = stored.facing;
    p.problem = stored.problem;
    return p;
}

void SavePlaceSettings(const PlaceSettings& p) {
    QSettings s("Helioran", "Umbravel");
    s.setValue("place/latitude", p.latitude);
    s.setValue("place/longitude", p.longitude);
    s.setValue("place/timeZone", p.timeZone);
    s.setValue("place/utcOffset", p.utcOffset);
    s.setValue("window/facing", p.facing.bearing);
    s.setValue("window/finSide", p.facing.finSide == FinSide::Left ? "left" : "right");
}
