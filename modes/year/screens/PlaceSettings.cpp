#include "modes/year/screens/PlaceSettings.h"

#include <QSettings>

PlaceSettings LoadPlaceSettings() {
    const QSettings s("Helioran", "Umbravel");
    PlaceSettings p;
    p.latitude = s.value("place/latitude", p.latitude).toDouble();
    p.longitude = s.value("place/longitude", p.longitude).toDouble();
    p.timeZone = s.value("place/timeZone", p.timeZone).toByteArray();
    p.utcOffset = s.value("place/utcOffset", p.utcOffset).toDouble();
    p.facing.bearing = s.value("window/facing", p.facing.bearing).toDouble();
    p.facing.finSide =
        s.value("window/finSide", "right").toString() == "left" ? FinSide::Left : FinSide::Right;
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
