#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Faults.h"
#include "model/mduUmbravel.h"
#include "output/BeamSection.h"
#include "output/HeaderLine.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

const std::string Equals(82, '=');
class BeamSectionTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        SolAlt = 30;
        SolAzi = 0.0001;
        SolAltRad = DegToRad(SolAlt);
        SolAziRad = DegToRad(SolAzi);
        HeaderText = DefaultHeaderText();
        GeomCaseText = "Default Dimensions";
    }
};

const std::string DefaultSection = ExpectedDefaultBeamSection();

TEST_F(BeamSectionTest, DefaultRoadAppendsTheFourteenLineSection) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    AppendBeamSection();
    EXPECT_EQ(PrintFile(), "\r\n" + DefaultSection);
}

TEST_F(BeamSectionTest, TwoSectionsFollowEachOtherDirectlyAndEachCountsItsCase) {
    SkyCaseCount.fill(0);
    AppendBeamSection();
    AppendBeamSection();
    EXPECT_EQ(PrintFile(), DefaultSection + DefaultSection);
    EXPECT_EQ(SkyCaseCount[1], 2);
    EXPECT_EQ(std::accumulate(SkyCaseCount.begin(), SkyCaseCount.end(), 0), 2);
}

TEST_F(BeamSectionTest, WholeFractionsKeepThePointAndOddInputsAreWrittenAsTheyAre) {
    GeomMode = 2;
    SolAlt = -5.5;
    SolAltRad = DegToRad(SolAlt);
    HeaderText = "";
    GeomCaseText = "";
    AppendBeamSection();
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
                               "",
                               "Shadow Case ID: CASE 1A",
                               "",
                               Equals,
                           }));
}

TEST_F(BeamSectionTest, AMissingDataFolderIsAnUnexpectedErrorAndWritesNothing) {
    DataPath = folder_.Slash() + "removed/";
    EXPECT_THROW(AppendBeamSection(), UnexpectedError);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(BeamSectionTest, ScreenCaptions) {
    const double usf = 0.316987;
    EXPECT_EQ(BeamGeometryCaption(), "Geometry: AWNING ONLY");
    EXPECT_EQ(BeamDimensionsCaption(), "Dimensions: W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3");
    EXPECT_EQ(BeamAltitudeCaption(), "Solar Altitude  30 deg");
    EXPECT_EQ(BeamAzimuthCaption(), "Solar Azimuth  .0001 deg, relative to the window");
    EXPECT_EQ(BeamUSFCaption(usf), "Beam USF = 0.31699");
    EXPECT_EQ(BeamUSFCaption(0), "Beam USF = 0.");
    GeomMode = 2;
    EXPECT_EQ(BeamGeometryCaption(), "Geometry: FIN ONLY");
    GeomMode = 3;
    EXPECT_EQ(BeamGeometryCaption(), "Geometry: AWNING & FIN");
}

}  // namespace
