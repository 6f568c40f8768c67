#include <QLabel>
#include <string>

#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmBeamResultsTest : public WizardFixture {};

TEST_F(frmBeamResultsTest, TheScreenShowsInputsResultAndCase) {
    WalkTo("frmBeamResults");
    const std::pair<const char*, const char*> labels[] = {
        {"lblDate", "Date:  12-08-2026"},
        {"lblTime", "Time:  13:05:09"},
        {"lblGeomMode", "Geometry: Awning only"},
        {"lblDimen",
         "Dimensions: awning width W' = 3 m, window width W = 2 m, their difference W' - W = 1 m, "
         "window height H = 4 m, front height h = 3 m, height difference h' = 1 m, depth from "
         "the wall L = 3 m"},
        {"lblAltAngle", "Solar Altitude  30 deg"},
        {"lblAziAngle", "Solar Azimuth  .0001 deg, relative to the window"},
        {"lblBeamUSF", "Beam USF = 0.31699"},
        {"lblCaseText", "Shadow Case ID: CASE 1A"},
    };
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(Text("frmBeamResults", label), text) << label;
    }
}

struct GeometryChoice {
    const char* option;
    const char* caption;
    const char* usf;
};

class frmBeamResultsGeometryTest : public frmBeamResultsTest,
                                   public ::testing::WithParamInterface<GeometryChoice> {};

TEST_P(frmBeamResultsGeometryTest, TheGeometryAndItsResultAreShown) {
    WalkTo("frmGeomChoice");
    Calculate(GetParam().option, "OptSingleSun");
    EXPECT_EQ(Text("frmBeamResults", "lblGeomMode"), GetParam().caption);
    EXPECT_EQ(Text("frmBeamResults", "lblBeamUSF"), GetParam().usf);
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeometry, frmBeamResultsGeometryTest,
    ::testing::Values(GeometryChoice{"optGeom1", "Geometry: Awning only", "Beam USF = 0.31699"},
                      GeometryChoice{"optGeom2", "Geometry: Side fins only", "Beam USF = 1."},
                      GeometryChoice{"OptGeom3", "Geometry: Awning and fins",
                                     "Beam USF = 0.31699"}),
    [](const auto& info) { return std::string(info.param.option); });

// The section holds the case and result the screen showed, whatever is stored afterwards.
TEST_F(frmBeamResultsTest, TheSectionWritesTheResultComputedWhileTheScreenOpened) {
    WalkTo("frmSourceMode");
    Click("frmSourceMode", "cmdCalculate");
    ShadeGeometry = WithRatios(ShadeGeometry);
    SolAlt = 60;
    GeomMode = Geometry::Fins;
    Click("frmBeamResults", "cmdFinish");
    const std::string printed = ReadBytes(DataFolder() + "Umbravel.prt");
    EXPECT_NE(printed.find("Solar altitude angle:   30 deg\r\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Unshaded fraction (USF) = 0.31699\r\n"), std::string::npos) << printed;
}

// The exact fraction of the drawn shadow stands beside the analytic one; a sentence appears only
// where they differ, as for fins under an awning whose shadow lies wholly above the window.
TEST_F(frmBeamResultsTest, TheExactFractionOfTheDrawnShadowIsShown) {
    WalkTo("frmBeamResults");
    EXPECT_EQ(Text("frmBeamResults", "lblExactUSF"), "Exact USF (drawn shadow) = 0.316987298");
    EXPECT_EQ(Text("frmBeamResults", "lblExactNote"), "");

    Click("frmBeamResults", "cmdNewGeom");
    Click("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    for (const auto& [box, text] : {std::pair{"txtWP", "1.738"},
                                    {"txtW", ".888"},
                                    {"txtH", "2.185"},
                                    {"txtLh", "2.577"},
                                    {"txtLhP", "1.738"},
                                    {"txtL", ".265"}}) {
        TypeOver("frmGeomValues", box, text);
    }
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    TypeOver("frmSourceMode", "txtSolAlt", "37.9");
    TypeOver("frmSourceMode", "txtSolAzi", "18.1");
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(Text("frmBeamResults", "lblBeamUSF"), "Beam USF = 0.");
    EXPECT_EQ(Text("frmBeamResults", "lblExactUSF"), "Exact USF (drawn shadow) = 1.");
    EXPECT_NE(Text("frmBeamResults", "lblExactNote").find("does not hold"), std::string::npos);
}

// The device's own fraction leads, in the largest type; where no direct sun reaches the window
// the screen says so in words in its place.
TEST_F(frmBeamResultsTest, TheExactFractionLeadsAndNoSunIsSaidInWords) {
    WalkTo("frmBeamResults");
    const auto size = [&](const char* label) {
        return Find<QLabel>("frmBeamResults", label)->font().pointSizeF();
    };
    EXPECT_GT(size("lblExactUSF"), size("lblBeamUSF"));
    Click("frmBeamResults", "cmdNewSource");
    TypeOver("frmSourceMode", "txtSolAzi", "120");
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(Text("frmBeamResults", "lblExactUSF"),
              "The sun is behind the wall: no direct sun reaches the window.");
    EXPECT_EQ(Text("frmBeamResults", "lblExactNote"), "");
}

}  // namespace
