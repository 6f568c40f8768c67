#include <QAbstractButton>
#include <QLineEdit>
#include <filesystem>
#include <string>
#include <vector>

#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

namespace {

struct Press {
    const char* screen;
    const char* button;
};

struct KeptEntry {
    const char* name;
    std::vector<Press> road;  // from the beam results back to the screen
    const char* screen;
    const char* box;
    const char* text;  // empty for the run's data folder
};

class EntriesKeptTest : public WizardFixture, public ::testing::WithParamInterface<KeptEntry> {
  protected:
    std::string Folder() const { return DataFolder() + "chosen/"; }

    // Every screen of the single-sun road left with entries other than its defaults.
    void EnterEverything() {
        std::filesystem::create_directories(Folder());
        WalkTo("frmPathFileName");
        TypeOver("frmPathFileName", "txtPath", Folder());
        Click("frmPathFileName", "cmdContinue");
        Click("frmGeomChoice", "OptGeom3");
        Click("frmGeomChoice", "cmdOK");
        TypeOver("frmGeomValues", "txtL", "1e5");
        TypeOver("frmGeomValues", "txtGeomCase", "South");
        Click("frmGeomValues", "optMirrored");
        Click("frmGeomValues", "cmdContinue");
        Click("frmHeaderText", "cmdContinue");
        TypeOver("frmSourceMode", "txtSolAlt", "45");
        // As "From place and time" puts its angles into the boxes.
        Find<QLineEdit>("frmSourceMode", "txtSolAzi")->setText("-20.5");
        Click("frmSourceMode", "cmdCalculate");
    }
};

TEST_P(EntriesKeptTest, TheScreenOpensWithWhatTheUserLastHad) {
    EnterEverything();
    for (const Press& press : GetParam().road) {
        Click(press.screen, press.button);
    }
    const std::string expected = *GetParam().text ? GetParam().text : Folder();
    EXPECT_EQ(Text(GetParam().screen, GetParam().box), expected);
    if (std::string(GetParam().screen) == "frmGeomValues") {
        EXPECT_TRUE(Find<QAbstractButton>("frmGeomValues", "optMirrored")->isChecked());
        EXPECT_EQ(Text("frmGeomValues", "txtGeomCase"), "South");
    }
    if (std::string(GetParam().screen) == "frmGeomChoice") {
        EXPECT_TRUE(Find<QAbstractButton>("frmGeomChoice", "OptGeom3")->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRoad, EntriesKeptTest,
    ::testing::Values(KeptEntry{"NewGeometryKeepsTheGeometry",
                                {{"frmBeamResults", "cmdNewGeom"}},
                                "frmGeomChoice",
                                "lblGeomText",
                                "You have a choice of three shading geometries"},
                      KeptEntry{"NewGeometryKeepsTheDimensions",
                                {{"frmBeamResults", "cmdNewGeom"}, {"frmGeomChoice", "cmdOK"}},
                                "frmGeomValues",
                                "txtL",
                                "1e5"},
                      KeptEntry{"PreviousFromTheHeaderKeepsTheDimensions",
                                {{"frmBeamResults", "cmdNewSource"},
                                 {"frmSourceMode", "cmdPrevious"},
                                 {"frmGeomChoice", "cmdOK"},
                                 {"frmGeomValues", "cmdContinue"},
                                 {"frmHeaderText", "cmdPrevious"}},
                                "frmGeomValues",
                                "txtL",
                                "1e5"},
                      KeptEntry{"NewSourceModeKeepsTheAltitude",
                                {{"frmBeamResults", "cmdNewSource"}},
                                "frmSourceMode",
                                "txtSolAlt",
                                "45"},
                      KeptEntry{"NewSourceModeKeepsTheAnglesTakenFromAPlace",
                                {{"frmBeamResults", "cmdNewSource"}},
                                "frmSourceMode",
                                "txtSolAzi",
                                "-20.5"},
                      KeptEntry{"NewGeometryKeepsTheSun",
                                {{"frmBeamResults", "cmdNewGeom"},
                                 {"frmGeomChoice", "cmdOK"},
                                 {"frmGeomValues", "cmdContinue"},
                                 {"frmHeaderText", "cmdContinue"}},
                                "frmSourceMode",
                                "txtSolAzi",
                                "-20.5"},
                      KeptEntry{"RepeatKeepsTheDataFolder",
                                {{"frmBeamResults", "cmdFinish"}, {"frmSaved", "cmdRepeat"}},
                                "frmPathFileName",
                                "txtPath",
                                ""},
                      KeptEntry{"TheDataFolderOutlivesTheStartScreen",
                                {{"frmBeamResults", "cmdFinish"},
                                 {"frmSaved", "cmdRepeat"},
                                 {"frmPathFileName", "cmdPrev"},
                                 {"frmAwnSplash", "cmdContinue"}},
                                "frmPathFileName",
                                "txtPath",
                                ""}),
    [](const auto& info) { return std::string(info.param.name); });

class FreshProgramTest : public WizardFixture {};

// Only the first visit of each screen shows the defaults.
TEST_F(FreshProgramTest, TheFirstVisitsShowTheDefaults) {
    WalkTo("frmSourceMode");
    EXPECT_EQ(Text("frmSourceMode", "txtSolAlt"), "30");
    EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), "0.0001");
    Click("frmSourceMode", "cmdPrevious");
    EXPECT_TRUE(Find<QAbstractButton>("frmGeomChoice", "optGeom1")->isChecked());
    Click("frmGeomChoice", "cmdOK");
    EXPECT_EQ(Text("frmGeomValues", "txtL"), "3");
    EXPECT_EQ(Text("frmGeomValues", "txtGeomCase"), "Default Dimensions");
}

struct ResultsExit {
    const char* sourceOption;
    const char* screen;
    const char* answer;  // empty when nothing is asked
    int programEnds;
    bool sectionAdded;
};

class ResultsExitTest : public WizardFixture, public ::testing::WithParamInterface<ResultsExit> {};

// Exit asks only while the result shown is not in the print file.
TEST_P(ResultsExitTest, ExitAsksAboutAnUnsavedResultOnly) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", GetParam().sourceOption);
    const std::string before = ReadBytes(DataFolder() + "Umbravel.prt");
    if (*GetParam().answer) {
        answers = {GetParam().answer};
    }
    Click(GetParam().screen, "cmdExit");
    EXPECT_EQ(questions.size(), *GetParam().answer ? 1u : 0u);
    EXPECT_EQ(programEnds, GetParam().programEnds);
    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt").size() > before.size(),
              GetParam().sectionAdded);
}

INSTANTIATE_TEST_SUITE_P(
    EveryResultsScreen, ResultsExitTest,
    ::testing::Values(ResultsExit{"OptSingleSun", "frmBeamResults", "Save and Exit", 1, true},
                      ResultsExit{"OptSingleSun", "frmBeamResults", "Exit Without Saving", 1,
                                  false},
                      ResultsExit{"OptSingleSun", "frmBeamResults", "Stay Here", 0, false},
                      ResultsExit{"optDiffuse", "frmDiffuseResults", "", 1, false},
                      ResultsExit{"optMatrix", "frmMatrixResults", "", 1, false}),
    [](const auto& info) {
        std::string name = std::string(info.param.screen) + "_" + info.param.answer;
        std::erase(name, ' ');
        return name;
    });

}  // namespace

namespace {

class ResultsCloseTest : public WizardFixture {};

// Closing the window of an unsaved result asks as Exit does; a result saved is not asked about.
TEST_F(ResultsCloseTest, ClosingTheWindowAsksAboutAnUnsavedResult) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "OptSingleSun");
    const std::string before = ReadBytes(DataFolder() + "Umbravel.prt");
    answers = {"Stay Here"};
    Screen("frmBeamResults")->close();
    FinishEvents();
    EXPECT_EQ(OpenScreens().count("frmBeamResults"), 1u);
    answers = {"Save and Exit"};
    Screen("frmBeamResults")->close();
    FinishEvents();
    EXPECT_EQ(OpenScreens().count("frmBeamResults"), 0u);
    EXPECT_GT(ReadBytes(DataFolder() + "Umbravel.prt").size(), before.size());
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(programEnds, 0);
}

}  // namespace
