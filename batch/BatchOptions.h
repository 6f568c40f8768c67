#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "base/NumberText.h"
#include "batch/YearOptions.h"
#include "model/CaseKinds.h"
#include "model/DimensionEntry.h"
#include "model/ExactShadow.h"
#include "model/WizardDefaults.h"
#include "output/OutputFiles.h"

// The share of a study's rows one run takes, so that N runs side by side (the array jobs of a
// cluster) run the whole study: rows index, index + count, index + 2 count, ... counted from 0.
struct StudyShard {
    std::size_t index = 0;
    std::size_t count = 1;
};

// What one batch run is asked to do. Number entries stay texts, read as the wizard reads its
// boxes, so that "2.5 m" is 2.5.
struct BatchOptions {
    std::optional<std::string> folder;  // default: the saved default folder, else OutFiles/
    std::string printFile{DefaultPrintFileName};
    bool append = false;
    Geometry geometry = Geometry::Awning;
    std::string awningWidth = PlainNumberText(DefaultDimensions.WP);
    std::string windowWidth = PlainNumberText(DefaultDimensions.W);
    std::string windowHeight = PlainNumberText(DefaultDimensions.H);
    std::string frontHeight = PlainNumberText(DefaultDimensions.Lh);
    std::string heightDifference = PlainNumberText(DefaultDimensions.LhP);
    std::string projection = PlainNumberText(DefaultDimensions.L);
    std::string caseText{DefaultGeomCaseText};
    std::optional<std::string> header;  // default: the default header line
    SourceMode sourceMode = SourceMode::Beam;
    std::string altitude{DefaultSolarAltitudeText};
    std::string azimuth{DefaultSolarAzimuthText};
    std::optional<ClockReading> timestamp;
    bool json = false;  // results as one JSON object instead of the result lines
    DeviceLayout layout = DeviceLayout::Drawn;  // of the exact shadow: JSON results, shading year
    bool help = false;
    bool version = false;
    // A parametric study: one case per row of the cases file, results into the results file.
    // The print file is then written only when --print-file is given.
    std::optional<std::string> cases;
    std::optional<std::string> results;
    bool printFileGiven = false;
    std::optional<StudyShard> shard;
    YearOptions year;
};

// An option or value that cannot be used; the message names the option.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

BatchOptions ParseBatchOptions(const std::vector<std::string>& args);

// What the options must satisfy together, as parsing checks it; the year options are completed
// from the weather file. Throws UsageError.
void CheckBatchOptions(BatchOptions& o);

// The dimensions as the wizard's boxes hold them, with the W' - W text it shows beside them.
DimensionTexts DimensionEntries(const BatchOptions& o);

// The azimuth the run works with: one that reads as zero, on which the shading procedures
// divide, is replaced by ZeroAzimuthText as the wizard replaces it.
std::string_view UsableAzimuthText(const BatchOptions& o);

// Every option with its value and default, made from the same table as the parser.
std::string BatchHelpText();
