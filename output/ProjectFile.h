#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "model/CaseKinds.h"
#include "model/DimensionEntry.h"
#include "model/LengthUnit.h"
#include "model/WizardDefaults.h"
#include "modes/year/SkyModel.h"
#include "modes/year/StoredPlace.h"

// A design as the user saves it and opens it again: the device, the sun, the place and the year,
// and where the outputs go. The document is versioned JSON; keys this version does not know are
// carried through from the file opened to the file saved.

struct ProjectPlace {
    double latitude = StoredPlace{}.latitude;
    double longitude = StoredPlace{}.longitude;
    std::string timeZone;  // an IANA name; empty for the fixed offset
    double utcOffset = StoredPlace{}.utcOffset;
    WindowFacing facing;
    bool operator==(const ProjectPlace&) const = default;
};

struct ProjectYear {
    int year = 2025;
    std::string weatherFile;  // empty: none
    double groundReflectance = 0.2;
    SkyModel sky = SkyModel::Perez;
    int glazingPanes = 0;   // panes of clear glass; 0: none
    bool clearSky = false;  // the clear sky when there is no weather file
    bool operator==(const ProjectYear&) const = default;
};

struct Project {
    Geometry geometry = Geometry::Awning;
    DeviceLayout layout = DeviceLayout::Drawn;
    LengthUnit unit = LengthUnit::Metre;
    // The dimension boxes' texts; DelW is not kept, it follows from W' and W.
    DimensionTexts dimensions = DefaultDimensionTexts();
    std::string caseText{DefaultGeomCaseText};
    std::string header;  // empty: the default header line
    SourceMode mode = SourceMode::Beam;
    std::string solarAltitude{DefaultSolarAltitudeText};
    std::string solarAzimuth{DefaultSolarAzimuthText};
    ProjectPlace place;
    ProjectYear year;
    std::string dataFolder;  // empty: the default folder
    // The document the project was opened from, its unknown keys to be kept; empty for a new one.
    std::string openedFrom;

    // The same design, whatever document it came from.
    bool SameDesign(const Project& other) const;
    bool operator==(const Project&) const = default;
};

// The project's document version; a file of a later version is refused.
inline constexpr int ProjectVersion = 1;
inline constexpr std::string_view ProjectExtension = ".umbravel";

// A document that cannot be taken as a project; the message says why, naming the line or key.
class ProjectRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string ProjectText(const Project& project);
Project ReadProjectText(std::string_view text);

// The file read and checked; ProjectRefused names the file's problem.
Project LoadProject(const std::string& path);
// Written whole under a temporary name and put in place, so a failure leaves the old file.
void SaveProject(const std::string& path, const Project& project);
