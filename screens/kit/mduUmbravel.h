#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "model/LengthUnit.h"
#include "model/ShadeGeometry.h"
#include "model/ShadingCase.h"
#include "model/WizardDefaults.h"
#include "output/ProjectFile.h"

// The wizard's entries, kept between its screens for the whole run: each screen stores what the
// user typed or chose, and CurrentCase hands the calculation and the writers one case built
// from them. Nothing below the screens reads these.
namespace mduUmbravel {

inline ShadeGeometryRecord ShadeGeometry;
inline Geometry GeomMode = Geometry::Awning;
inline DeviceLayout Layout = DeviceLayout::Drawn;

// Sun position as entered, in degrees.
inline double SolAlt = 0;
inline double SolAzi = 0;

inline SourceMode ChosenMode = SourceMode::Beam;

// Output folder and print file.
inline std::string DataPath;
inline std::string PrintFileName;
inline std::int16_t AppendToPrintFile = 0;
// Set once the user has been told that the default-path file cannot be used, so that later
// visits of the output-files screen in this run do not tell it again.
inline bool DefaultPathFaultTold = false;

// The geometries whose matrix data files this run has written, for the closing screen.
inline std::set<Geometry> MatrixFilesWritten;

// The line that heads every section of output, and the optional geometry case description.
inline std::string HeaderText;
inline std::string GeomCaseText{DefaultGeomCaseText};

// What the boxes and choices of the screens held when the user last left them, so that every
// screen opens as it was left: the defaults until its first visit. The data folder and print
// file name are DataPath and PrintFileName, empty until the output-files screen first opens.
struct KeptEntries {
    DimensionTexts dimensions = DefaultDimensionTexts();
    DeviceLayout layout = DeviceLayout::Drawn;
    std::string solarAltitude{DefaultSolarAltitudeText};
    std::string solarAzimuth{DefaultSolarAzimuthText};
    LengthUnit unit = LengthUnit::Metre;
    // The header line is one the user typed, kept as it is, rather than the one offered for the
    // dimensions, which follows them.
    bool headerTyped = false;
    // The year screen's entries besides the place, which the user's settings keep.
    ProjectYear year;
};
inline KeptEntries Kept;

// The case the entries describe. The print file is kept, not started afresh: the output-files
// screen has already started it when the user asked for that.
ShadingCase CurrentCase();

// DataPath followed by PrintFileName.
std::string PrintFilePath();

// The stored dimensions from the dimension boxes' texts.
void StoreDimensions(const DimensionTexts& texts);

// SolAlt from the altitude text, SolAzi from the azimuth text; the caller has already replaced
// an azimuth that reads as zero.
void StoreSolarAltitude(std::string_view text);
void StoreSolarAzimuth(std::string_view text);

}  // namespace mduUmbravel
