#include "modes/year/screens/PlaceSettings.h"

#include <QDateTime>
#include <QSettings>
#include <QTimeZone>

#include "model/CaseKinds.h"
#include "modes/year/ZoneLocations.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/UserSettings.h"

namespace {

std::optional<std::string> Stored(const QSettings& s, const char* key) {
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toString().toStdString();
}

}  // namespace

PlaceSettings FirstPlace() {
    PlaceSettings p;
    const QByteArray zoneId = QTimeZone::systemTimeZoneId();
    const QTimeZone zone(zoneId);
    p.utcOffset =
        zone.isValid() ? zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) / 3600.0 : 0;
    p.timeZone = zone.isValid() ? zoneId : QByteArray();
    if (const auto at = ReadZoneLocation(std::string(ZoneTablePath), zoneId.toStdString())) {
        p.latitude = at->latitude;
        p.longitude = at->longitude;
    } else {
        // A zone without a place of its own, such as UTC: the equator under its sun time.
        p.latitude = 0;
        p.longitude = 15 * p.utcOffset;
    }
    return p;
}

PlaceSettings LoadPlaceSettings() {
    PlaceSettings first = FirstPlace();
    const auto settings = OpenUserSettings();
    if (!settings) {
        first.problem = SettingsFileProblem();
        return first;
    }
    const QSettings& s = *settings;
    StoredPlace start;
    start.latitude = first.latitude;
    start.longitude = first.longitude;
    start.utcOffset = first.utcOffset;
    const StoredPlace stored = CheckStoredPlace(
        {Stored(s, "place/latitude"), Stored(s, "place/longitude"), Stored(s, "place/utcOffset"),
         Stored(s, "window/facing"), Stored(s, "window/finSide")},
        start);
    PlaceSettings p;
    p.latitude = stored.latitude;
    p.longitude = stored.longitude;
    // A place the user gave keeps its own zone, the fixed offset included.
    p.timeZone =
        s.contains("place/latitude") ? s.value("place/timeZone").toByteArray() : first.timeZone;
    p.utcOffset = stored.utcOffset;
    p.facing = stored.facing;
    p.problem = stored.problem;
    return p;
}

void SavePlaceSettings(const PlaceSettings& p) {
    const auto s = OpenUserSettings();
    if (!s)
        return;
    s->setValue("place/latitude", p.latitude);
    s->setValue("place/longitude", p.longitude);
    s->setValue("place/timeZone", p.timeZone);
    s->setValue("place/utcOffset", p.utcOffset);
    s->setValue("window/facing", p.facing.bearing);
    s->setValue("window/finSide", ToQt(NamesOf(p.facing.finSide).option));
}
