#include "screens/kit/UserSettings.h"

#include <QSettings>
#include <QStandardPaths>

#include "base/InputLines.h"
#include "base/QuotedText.h"
#include "screens/kit/ScreenParts.h"

namespace {

constexpr std::size_t MaxSettingsBytes = 64 * 1024;
constexpr const char* UnitKey = "entries/lengthUnit";
constexpr const char* RecentKey = "projects/recent";
constexpr int RecentCount = 8;

// Where Qt keeps the program's settings on this system, named here so that the file can be
// checked before Qt reads it.
QString UserSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Helioran/Umbravel.conf";
}

}  // namespace

std::string SettingsFileProblem() {
    const std::string path = UserSettingsPath().toStdString();
    const std::string problem = SmallFileProblem(path, MaxSettingsBytes);
    if (problem.empty())
        return {};
    return "The settings file " + QuotedText(path) + " was ignored: " + problem + ".";
}

std::unique_ptr<QSettings> OpenUserSettings() {
    if (!SettingsFileProblem().empty())
        return nullptr;
    return std::make_unique<QSettings>(UserSettingsPath(), QSettings::IniFormat);
}

LengthUnit LoadLengthUnit() {
    const auto s = OpenUserSettings();
    if (!s)
        return LengthUnit::Metre;
    const auto row = RowNamed(LengthUnitTable, s->value(UnitKey).toString().toStdString());
    return row ? row->unit : LengthUnit::Metre;
}

void SaveLengthUnit(LengthUnit unit) {
    if (const auto s = OpenUserSettings())
        s->setValue(UnitKey, ToQt(NamesOf(unit).option));
}

QStringList RecentProjects() {
    const auto s = OpenUserSettings();
    return s ? s->value(RecentKey).toStringList() : QStringList();
}

void AddRecentProject(const std::string& path) {
    const auto s = OpenUserSettings();
    if (!s)
        return;
    QStringList recent = s->value(RecentKey).toStringList();
    recent.removeAll(ToQt(path));
    recent.prepend(ToQt(path));
    while (recent.size() > RecentCount)
        recent.removeLast();
    s->setValue(RecentKey, recent);
}
