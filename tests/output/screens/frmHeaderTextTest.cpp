#include <string>

#include "output/ProjectFile.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"
#include "wizard/ProjectEntries.h"

using namespace mduUmbravel;

namespace {

class frmHeaderTextTest : public WizardFixture {};

struct Geometry {
    const char* option;
    const char* lineEnd;
};

class frmHeaderTextGeometryTest : public frmHeaderTextTest,
                                  public ::testing::WithParamInterface<Geometry> {};

TEST_P(frmHeaderTextGeometryTest, TheDefaultLineDescribesTheStoredDimensions) {
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", GetParam().option);
    Click("frmGeomChoice", "cmdOK");
    Click("frmGeomValues", "cmdContinue");
    const std::string line =
        std::string("UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1") +
        GetParam().lineEnd;
    EXPECT_EQ(Text("frmHeaderText", "txtHeaderInfo"), line);
    EXPECT_EQ(HeaderText, line);
}

INSTANTIATE_TEST_SUITE_P(EveryGeometry, frmHeaderTextGeometryTest,
                         ::testing::Values(Geometry{"optGeom1", " GEOM: AWNONLY"},
                                           Geometry{"optGeom2", " GEOM: FINONLY"},
                                           Geometry{"OptGeom3", " GEOM: AWN&FIN"}),
                         [](const auto& info) { return std::string(info.param.option); });

TEST_F(frmHeaderTextTest, TheGeometryCaseDescriptionIsShownBelowTheLine) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtGeomCase", "South  window");
    Click("frmGeomValues", "cmdContinue");
    EXPECT_EQ(Text("frmHeaderText", "lblGeomCase"), "Geometry Case Description: South  window");
}

TEST_F(frmHeaderTextTest, TheHeaderFollowsTheBoxDownToAnEmptyLine) {
    WalkTo("frmHeaderText");
    TypeOver("frmHeaderText", "txtHeaderInfo", "Run ");
    EXPECT_EQ(HeaderText, "Run ");
    TypeOver("frmHeaderText", "txtHeaderInfo", "");
    Click("frmHeaderText", "cmdContinue");
    EXPECT_EQ(HeaderText, "");
}

// A line left as offered follows the dimensions on the next pass; a line the user typed is
// theirs and stays, as it does in a project saved and opened again.
class frmHeaderTextPassTest : public frmHeaderTextTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(frmHeaderTextPassTest, ATypedLineStaysAndAnOfferedOneFollowsTheDimensions) {
    const std::string typed = GetParam();
    WalkTo("frmHeaderText");
    if (!typed.empty())
        TypeOver("frmHeaderText", "txtHeaderInfo", typed);
    Click("frmHeaderText", "cmdPrevious");
    TypeOver("frmGeomValues", "txtW", "2.5");
    Click("frmGeomValues", "cmdContinue");
    EXPECT_EQ(Text("frmHeaderText", "txtHeaderInfo"),
              !typed.empty() ? typed
                             : "UMBRAVEL 3.0 Output L =  3 W =  2.5 W' =  3 H =  4 h =  3 h' =  1 "
                               "GEOM: AWNONLY");
}

INSTANTIATE_TEST_SUITE_P(TypedOrOffered, frmHeaderTextPassTest,
                         ::testing::Values("", "my own line"), [](const auto& info) {
                             return std::string(*info.param ? "Typed" : "Offered");
                         });

TEST_F(frmHeaderTextTest, AProjectsOwnLineIsOffered) {
    Project project;
    project.header = "south office, May";
    UseProject(project);
    WalkTo("frmHeaderText");
    EXPECT_EQ(Text("frmHeaderText", "txtHeaderInfo"), "south office, May");
}

}  // namespace
