#include "modes/year/screens/PlaceSettings.h"

#include <QSettings>
#include <QStandardPaths>

#include "base/InputLines.h"
#include "base/QuotedText.h"

namespace {

// Settings hold a few short values; a file much larger, or a FIFO or device in its place, is
// not the program's and is left alone.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

std::string SettingsFileProblem() {
    const std::string path = UserSettingsPath().toStdString();
    const std::string problem = SmallFileProblem(path, MaxSettingsBytes);
    if (problem.empty())
        return {};
    return "The settings file " + QuotedText(path) + " was ignored: " + problem + ".";
}

std::optional<std::string> Stored(const QSettings& s, const char* key) {
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toString().toStdString();
}

}  // namespace

QString UserSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Helioran/Umbravel.conf";
}

PlaceSettings LoadPlaceSettings() {
    if (std::string problem = SettingsFileProblem(); !problem.empty()) {
        PlaceSettings p;
        p.problem = std::move(problem);
        return p;
    }
    const QSettings s(UserSettingsPath(), QSettings::IniFormat);
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
    if (!SettingsFileProblem().empty())
        return;
    QSettings s(UserSettingsPath(), QSettings::IniFormat);
    s.setValue("place/latitude", p.latitude);
    s.setValue("place/longitude", p.longitude);
    s.setValue("place/timeZone", p.timeZone);
    s.setValue("place/utcOffset", p.utcOffset);
    s.setValue("window/facing", p.facing.bearing);
    s.setValue("window/finSide", p.facing.finSide == FinSide::Left ? "left" : "right");
}
