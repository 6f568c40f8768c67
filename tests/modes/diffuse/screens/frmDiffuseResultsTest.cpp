#include <QLabel>
#include <filesystem>
#include <string>

#include "base/NumberText.h"
#include "modes/diffuse/DiffuseCalculation.h"
#include "screens/kit/mduUmbravel.h"
#include "support/ExpectedReports.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmDiffuseResultsTest : public WizardFixture {
  protected:
    void CalculateDiffuse() {
        Click("frmSourceMode", "optDiffuse");
        Click("frmSourceMode", "cmdCalculate");
    }
    std::string PrintFile() const { return ReadBytes(DataFolder() + "Umbravel.prt"); }
};

TEST_F(frmDiffuseResultsTest, AwningAndFinsShowTheRunAndAppendTheSection) {
    WalkTo("frmGeomChoice");
    Calculate("OptGeom3", "optDiffuse");
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmDiffuseResults"});
    const DiffuseShading d = EvaluateDiffuseMode(CurrentCase());
    const std::string sky = "Sky-Only Diffuse USF = " + SignedNumberText(d.skyUSF);
    const std::string ground = "Ground-Only Diffuse USF = " + SignedNumberText(d.groundUSF);
    const std::pair<const char*, std::string> captions[] = {
        {"lblDate", "Run date: 12-08-2026"},
        {"lblTime", "Run time: 13:05:09"},
        {"lblGeomMode", "Geometry: Awning and fins"},
        {"lblDimen",
         "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWN&FIN"},
        {"lblCaseText", "Geometry description: Default Dimensions"},
        {"lblSkyUSF", sky},
        {"lblGroundUSF", ground},
    };
    for (const auto& [label, text] : captions) {
        EXPECT_EQ(Text("frmDiffuseResults", label), text) << label;
    }

    const DiffuseInputLines inputs = {
        DefaultDiffuseInputs.dimensions,
        DefaultDiffuseInputs.ratios,
        "    F= 0.5   G= 0.25   R= 0.333333333333333  Geometry: Awning and fins",
    };
    EXPECT_EQ(PrintFile(), "\r\n" + ExpectedDiffuseSection(CurrentCase(), inputs));
    EXPECT_TRUE(messages.empty());
}

TEST_F(frmDiffuseResultsTest, EachRunAppendsACompleteSectionOfItsOwn) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "optDiffuse");
    Click("frmDiffuseResults", "cmdNewSource");
    CalculateDiffuse();
    const std::string section = ExpectedDiffuseSection(CurrentCase(), DefaultDiffuseInputs);
    EXPECT_EQ(PrintFile(), "\r\n" + section + section);
}

struct Move {
    const char* button;
    const char* target;
};

class frmDiffuseResultsMoveTest : public frmDiffuseResultsTest,
                                  public ::testing::WithParamInterface<Move> {};

TEST_P(frmDiffuseResultsMoveTest, ButtonsMoveOnAndWriteNothing) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "optDiffuse");
    const std::string written = PrintFile();
    Click("frmDiffuseResults", GetParam().button);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{GetParam().target});
    EXPECT_EQ(PrintFile(), written);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, frmDiffuseResultsMoveTest,
                         ::testing::Values(Move{"cmdFinish", "frmSaved"},
                                           Move{"cmdNewSource", "frmSourceMode"},
                                           Move{"cmdNewGeom", "frmGeomChoice"}),
                         [](const auto& info) { return std::string(info.param.button); });

// The passes run before the section is written, so the stop leaves the print file as it was.
TEST_F(frmDiffuseResultsTest, TheAwningStopEndsTheProgramWithThePrintFileUntouched) {
    // The dimensions screen refuses this awning; a geometry stored past it still meets the stop.
    WalkTo("frmSourceMode");
    ShadeGeometry.Lh = -2;
    ShadeGeometry = WithRatios(ShadeGeometry);
    CalculateDiffuse();
    EXPECT_EQ(messages,
              std::vector<std::string>{"AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW."});
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens().count("frmDiffuseResults"), 0u);
    EXPECT_EQ(PrintFile(), "\r\n");
}

TEST_F(frmDiffuseResultsTest, APrintFileThatCannotBeOpenedEndsTheProgramWithItsDescription) {
    WalkTo("frmSourceMode");
    std::filesystem::remove_all(DataFolder());
    CalculateDiffuse();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(DataFolder() + "Umbravel.prt"), std::string::npos) << messages[0];
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens().count("frmDiffuseResults"), 0u);
}

// Beside the grid's values, the factors weighted as the window receives the radiation.
TEST_F(frmDiffuseResultsTest, ThePhysicallyWeightedFactorsAreShownLabelled) {
    WalkTo("frmSourceMode");
    CalculateDiffuse();
    EXPECT_EQ(Text("frmDiffuseResults", "lblPhysicalSky"),
              "Physically weighted sky factor = 0.521808");
    EXPECT_EQ(Text("frmDiffuseResults", "lblPhysicalGround"),
              "Physically weighted ground factor = 0.970043");
    // They lead: the grid's values, which can leave 0 to 1, never stand in the largest type.
    const auto size = [&](const char* label) {
        return Find<QLabel>("frmDiffuseResults", label)->font().pointSizeF();
    };
    EXPECT_GT(size("lblPhysicalSky"), size("lblSkyUSF"));
    EXPECT_GT(size("lblPhysicalGround"), size("lblGroundUSF"));
}

}  // namespace
