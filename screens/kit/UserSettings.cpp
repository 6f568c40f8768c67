#include "screens/kit/UserSettings.h"

#include <QSettings>
#include <QStandardPaths>

#include "base/InputLines.h"
#include "base/QuotedText.h"
#include "screens/kit/ScreenParts.h"

namespace {

constexpr std::size_t MaxSettingsBytes = 64 * 1024;
constexpr const char* UnitKey = "entries/lengthUnit";

}  // namespace

QString UserSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Helioran/Umbravel.conf";
}

std::string SettingsFileProblem() {
    const std::string path = UserSettingsPath().toStdString();
    const std::string problem = SmallFileProblem(path, MaxSettingsBytes);
    if (problem.empty())
        return {};
    return "The settings file " + QuotedText(path) + " was ignored: " + problem + ".";
}

LengthUnit LoadLengthUnit() {
    if (!SettingsFileProblem().empty())
        return LengthUnit::Metre;
    const QSettings s(UserSettingsPath(), QSettings::IniFormat);
    const auto row = RowNamed(LengthUnitTable, s.value(UnitKey).toString().toStdString());
    return row ? row->unit : LengthUnit::Metre;
}

void SaveLengthUnit(LengthUnit unit) {
    if (!SettingsFileProblem().empty())
        return;
    QSettings(UserSettingsPath(), QSettings::IniFormat)
        .setValue(UnitKey, ToQt(NamesOf(unit).option));
}
