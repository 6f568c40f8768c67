#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Faults.h"
#include "modes/beam/BeamCalculation.h"
#include "output/BeamSection.h"
#include "output/HeaderLine.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

namespace {

const std::string Equals(82, '=');
class BeamSectionTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        case_.sun = {30, 0.0001};
        case_.output.headerText = DefaultHeaderText(case_.geometry, case_.dimensions);
        case_.output.geomCaseText = "Default Dimensions";
    }
    void Append() const { AppendBeamSection(case_, EvaluateBeam(case_), EvaluateExactBeam(case_)); }
};

const std::string DefaultSection = ExpectedDefaultBeamSection();

TEST_F(BeamSectionTest, DefaultRoadAppendsTheFourteenLineSection) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    Append();
    EXPECT_EQ(PrintFile(), "\r\n" + DefaultSection);
}

TEST_F(BeamSectionTest, TwoSectionsFollowEachOtherDirectly) {
    Append();
    Append();
    EXPECT_EQ(PrintFile(), DefaultSection + DefaultSection);
}

TEST_F(BeamSectionTest, WholeFractionsKeepThePointAndOddInputsAreWrittenAsTheyAre) {
    case_.geometry = Geometry::Fins;
    case_.sun.altitude = -5.5;
    case_.output.headerText = "";
    case_.output.geomCaseText = "";
    Append();
    EXPECT_EQ(PrintFile(), CrLfLines({
                               "UMBRAVEL 3.0 Beam Solar Unshaded Fraction",
                               "Date: 12-08-2026         Time: 13:05:09",
                               "",
                               "Dimensions: ",
                               "Geometry case: ",
                               "Solar altitude angle:  -5.5 deg",
                               "Solar Azimuth  .0001 deg, relative to the window",
                               "Calculated Unshaded Fraction of Window Area for Direct Beam",
                               "",
                               "Unshaded fraction (USF) = 1.",
                               "No direct sun reaches the window from this direction.",
                               "",
                               "Shadow Case ID: CASE 1A",
                               "",
                               Equals,
                           }));
}

// The line after the USF line: the exact fraction where it differs from the analytic one by
// more than 1e-6, the words where no direct sun reaches the window, nothing where they agree.
TEST_F(BeamSectionTest, TheExactLineFollowsTheUSFLineOnlyWhereItTellsMore) {
    const struct {
        double altitude, azimuth;
        DeviceLayout layout;
        const char* added;  // empty: the section keeps its fourteen lines
    } rows[] = {
        {30, 0.0001, DeviceLayout::Drawn, ""},
        {30, 0.0001, DeviceLayout::Mirrored, ""},
        {49.3701, -79.9411, DeviceLayout::Drawn, "Exact USF (device as drawn) = 0.6893"},
        {49.3701, -79.9411, DeviceLayout::Mirrored, "Exact USF (device mirrored) = 0.37859"},
        {30, 120, DeviceLayout::Drawn, "No direct sun reaches the window from this direction."},
        {-10, 20, DeviceLayout::Drawn, "No direct sun reaches the window from this direction."},
        {95, 20, DeviceLayout::Mirrored, "No direct sun reaches the window from this direction."},
    };
    for (const auto& row : rows) {
        case_.sun = {row.altitude, row.azimuth};
        case_.layout = row.layout;
        WriteBytes(folder_.Path() / "Umbravel.prt", "");
        Append();
        const std::string section = PrintFile();
        const std::string usfLine = "Unshaded fraction (USF) = ";
        const std::size_t after = section.find("\r\n", section.find(usfLine)) + 2;
        const std::string next = section.substr(after, section.find("\r\n", after) - after);
        EXPECT_EQ(next, row.added) << row.altitude << " " << row.azimuth;
        EXPECT_EQ(std::count(section.begin(), section.end(), '\n'), *row.added ? 15 : 14)
            << row.altitude << " " << row.azimuth;
    }
}

TEST_F(BeamSectionTest, AMissingDataFolderIsAnUnexpectedErrorAndWritesNothing) {
    case_.output.dataPath = folder_.Slash() + "removed/";
    EXPECT_THROW(Append(), UnexpectedError);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(BeamSectionTest, ScreenCaptions) {
    const double usf = 0.316987;
    EXPECT_EQ(BeamGeometryCaption(Geometry::Awning), "Geometry: AWNING ONLY");
    EXPECT_EQ(BeamDimensionsCaption(case_.dimensions),
              "Dimensions: W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3");
    EXPECT_EQ(BeamAltitudeCaption(case_.sun), "Solar Altitude  30 deg");
    EXPECT_EQ(BeamAzimuthCaption(case_.sun), "Solar Azimuth  .0001 deg, relative to the window");
    EXPECT_EQ(BeamUSFCaption(usf), "Beam USF = 0.31699");
    EXPECT_EQ(BeamUSFCaption(0), "Beam USF = 0.");
    EXPECT_EQ(BeamGeometryCaption(Geometry::Fins), "Geometry: FIN ONLY");
    EXPECT_EQ(BeamGeometryCaption(Geometry::AwningAndFins), "Geometry: AWNING & FIN");
}

}  // namespace
