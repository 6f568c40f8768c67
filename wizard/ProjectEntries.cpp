#include "wizard/ProjectEntries.h"

#include <utility>

#include "modes/year/screens/PlaceSettings.h"
#include "output/HeaderLine.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

Project CurrentProject() {
    Project p = LastSavedProject.design;
    p.geometry = GeomMode;
    p.layout = Kept.layout;
    p.unit = Kept.unit;
    p.dimensions = Kept.dimensions;
    p.caseText = GeomCaseText;
    p.header = HeaderText;
    p.mode = ChosenMode;
    p.solarAltitude = Kept.solarAltitude;
    p.solarAzimuth = Kept.solarAzimuth;
    const PlaceSettings place = LoadPlaceSettings();
    p.place = {place.latitude, place.longitude, place.timeZone.toStdString(), place.utcOffset,
               place.facing};
    p.year = Kept.year;
    p.dataFolder = DataPath;
    return p;
}

void UseProject(const Project& p) {
    GeomMode = p.geometry;
    Kept.layout = Layout = p.layout;
    Kept.unit = p.unit;
    Kept.dimensions = p.dimensions;
    Kept.dimensions.DelW = DelWText(p.dimensions.WP, p.dimensions.W);
    StoreDimensions(Kept.dimensions);
    GeomCaseText = p.caseText;
    HeaderText = p.header;
    Kept.headerTyped =
        !HeaderText.empty() && HeaderText != DefaultHeaderText(GeomMode, ShadeGeometry);
    ChosenMode = p.mode;
    Kept.solarAltitude = p.solarAltitude;
    Kept.solarAzimuth = p.solarAzimuth;
    StoreSolarAltitude(p.solarAltitude);
    StoreSolarAzimuth(p.solarAzimuth);
    PlaceSettings place;
    place.latitude = p.place.latitude;
    place.longitude = p.place.longitude;
    place.timeZone = QByteArray::fromStdString(p.place.timeZone);
    place.utcOffset = p.place.utcOffset;
    place.facing = p.place.facing;
    SavePlaceSettings(place);
    Kept.year = p.year;
    if (!p.dataFolder.empty())
        DataPath = p.dataFolder;
}

void AdoptProject(const Project& project, std::optional<std::string> path) {
    // The entries hold only what the screens know; the rest of the file comes with the design.
    LastSavedProject = {std::move(path), project};
    UseProject(project);
    LastSavedProject.design = CurrentProject();
}

bool ProjectChanged() {
    return !CurrentProject().SameDesign(LastSavedProject.design);
}
