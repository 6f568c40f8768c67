// The wizard as a whole: the road of one calculation, every button's target, the keys, the end
// of the program and the faults that end it.

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <string>

#include "base/Faults.h"
#include "model/GroundDirection.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/WizardScreen.h"
#include "screens/program/frmAwnSplash.h"
#include "support/ExpectedReports.h"
#include "support/WizardFixture.h"

namespace {

using Screens = std::set<std::string>;

class WizardWalkTest : public WizardFixture {};

TEST_F(WizardWalkTest, TheDefaultRoadAppendsTheBeamSectionToAFreshPrintFile) {
    StartProgram();
    Click("frmAwnSplash", "cmdContinue");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), DataFolder() + "Umbravel.prt");
    Click("frmPathFileName", "cmdContinue");
    Click("frmGeomChoice", "cmdOK");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(Text("frmBeamResults", "lblBeamUSF"), "Beam USF = 0.31699");
    EXPECT_EQ(Text("frmBeamResults", "lblCaseText"), "Shadow Case ID: CASE 1A");
    Click("frmBeamResults", "cmdFinish");

    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"), "\r\n" + ExpectedDefaultBeamSection());
    EXPECT_EQ(Text("frmSaved", "lblPrintFile"), "Umbravel.prt");
    EXPECT_EQ(Text("frmSaved", "lblFileFolder"), DataFolder());
    Click("frmSaved", "cmdExit");
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WizardWalkTest, NewGeometryAndFinishWriteTheSameSectionOneAfterTheOther) {
    WalkTo("frmBeamResults");
    Click("frmBeamResults", "cmdNewGeom");
    Calculate("optGeom1", "OptSingleSun");
    Click("frmBeamResults", "cmdFinish");

    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"),
              "\r\n" + ExpectedDefaultBeamSection() + ExpectedDefaultBeamSection());
}

TEST_F(WizardWalkTest, ANewSourceModeLeavesTheFirstResultUnwritten) {
    WalkTo("frmBeamResults");
    Click("frmBeamResults", "cmdNewSource");
    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"), "\r\n");
    Click("frmSourceMode", "cmdCalculate");
    Click("frmBeamResults", "cmdFinish");
    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"), "\r\n" + ExpectedDefaultBeamSection());
}

struct Move {
    const char* from;
    const char* button;
    Screens openAfter;
};

class WizardMoveTest : public WizardFixture, public ::testing::WithParamInterface<Move> {};

TEST_P(WizardMoveTest, EachButtonLeadsToItsScreen) {
    const Move& move = GetParam();
    WalkTo(move.from);
    Click(move.from, move.button);
    EXPECT_EQ(OpenScreens(), move.openAfter);
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    NavigationTable, WizardMoveTest,
    ::testing::Values(Move{"frmAwnSplash", "cmdAbout", {"frmAwnSplash", "frmUsing"}},
                      Move{"frmAwnSplash", "cmdContinue", {"frmPathFileName"}},
                      Move{"frmUsing", "cmdPrev", {"frmAwnSplash"}},
                      Move{"frmUsing", "cmdAbout", {"frmAwnSplash", "frmUsing", "frmAbout"}},
                      Move{"frmUsing", "cmdContinue", {"frmAwnSplash", "frmPathFileName"}},
                      Move{"frmAbout", "cmdReturn", {"frmAwnSplash", "frmUsing"}},
                      Move{"frmPathFileName", "cmdPrev", {"frmAwnSplash"}},
                      Move{"frmPathFileName", "cmdContinue", {"frmGeomChoice"}},
                      Move{"frmGeomChoice", "cmdPrevious", {"frmPathFileName"}},
                      Move{"frmGeomChoice", "cmdOK", {"frmGeomValues"}},
                      Move{"frmGeomValues", "cmdPrevious", {"frmGeomChoice"}},
                      Move{"frmGeomValues", "cmdContinue", {"frmHeaderText"}},
                      Move{"frmHeaderText", "cmdPrevious", {"frmGeomValues"}},
                      Move{"frmHeaderText", "cmdContinue", {"frmSourceMode"}},
                      Move{"frmSourceMode", "cmdPrevious", {"frmGeomChoice"}},
                      Move{"frmSourceMode", "cmdCalculate", {"frmBeamResults"}},
                      Move{"frmBeamResults", "cmdNewGeom", {"frmGeomChoice"}},
                      Move{"frmBeamResults", "cmdNewSource", {"frmSourceMode"}},
                      Move{"frmBeamResults", "cmdFinish", {"frmSaved"}},
                      Move{"frmSaved", "cmdRepeat", {"frmPathFileName"}}),
    [](const auto& info) { return std::string(info.param.from) + "_" + info.param.button; });

class WizardExitTest : public WizardFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(WizardExitTest, ExitEndsTheProgramWithoutAQuestion) {
    WalkTo(GetParam());
    Click(GetParam(), "cmdExit");
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(ScreensWithExit, WizardExitTest,
                         ::testing::Values("frmAwnSplash", "frmUsing", "frmPathFileName",
                                           "frmGeomChoice", "frmGeomValues", "frmSourceMode",
                                           "frmSaved"),
                         [](const auto& info) { return std::string(info.param); });

class WizardEscapeTest : public WizardFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(WizardEscapeTest, EscapeClosesNoScreen) {
    WalkTo(GetParam());
    const Screens before = OpenScreens();
    PressKey(GetParam(), Qt::Key_Escape);
    EXPECT_EQ(OpenScreens(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, WizardEscapeTest,
                         ::testing::Values("frmAwnSplash", "frmUsing", "frmAbout",
                                           "frmPathFileName", "frmGeomChoice", "frmGeomValues",
                                           "frmHeaderText", "frmSourceMode", "frmBeamResults",
                                           "frmSaved"),
                         [](const auto& info) { return std::string(info.param); });

struct EnterKey {
    const char* screen;
    Screens openAfter;  // the screen itself when it has no default button
};

class WizardEnterTest : public WizardFixture, public ::testing::WithParamInterface<EnterKey> {};

TEST_P(WizardEnterTest, EnterActivatesTheDefaultButtonOnly) {
    WalkTo(GetParam().screen);
    PressKey(GetParam().screen, Qt::Key_Return);
    EXPECT_EQ(OpenScreens(), GetParam().openAfter);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultButtons, WizardEnterTest,
    ::testing::Values(EnterKey{"frmAwnSplash", {"frmAwnSplash"}},
                      EnterKey{"frmUsing", {"frmAwnSplash", "frmPathFileName"}},
                      EnterKey{"frmAbout", {"frmAwnSplash", "frmUsing", "frmAbout"}},
                      EnterKey{"frmPathFileName", {"frmGeomChoice"}},
                      EnterKey{"frmGeomChoice", {"frmGeomValues"}},
                      EnterKey{"frmGeomValues", {"frmHeaderText"}},
                      EnterKey{"frmHeaderText", {"frmSourceMode"}},
                      EnterKey{"frmSourceMode", {"frmBeamResults"}},
                      EnterKey{"frmBeamResults", {"frmBeamResults"}}),
    [](const auto& info) { return std::string(info.param.screen); });

TEST_F(WizardWalkTest, EnterOnTheClosingScreenEndsTheProgram) {
    WalkTo("frmSaved");
    PressKey("frmSaved", Qt::Key_Return);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(WizardWalkTest, EnterOnTheBeamResultsWritesNoSection) {
    WalkTo("frmBeamResults");
    PressKey("frmBeamResults", Qt::Key_Return);
    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"), "\r\n");
}

TEST_F(WizardWalkTest, TheStartScreenStaysBehindTheWizardAndIsOnlyRaisedAgain) {
    StartProgram();
    QWidget* start = Screen("frmAwnSplash");
    Click("frmAwnSplash", "cmdAbout");
    Click("frmUsing", "cmdContinue");
    EXPECT_EQ(OpenScreens(), (Screens{"frmAwnSplash", "frmPathFileName"}));
    Click("frmPathFileName", "cmdPrev");
    EXPECT_EQ(OpenScreens(), Screens{"frmAwnSplash"});
    EXPECT_EQ(Screen("frmAwnSplash"), start);
}

TEST_F(WizardWalkTest, AboutPressedTwiceShowsOneInformationScreen) {
    StartProgram();
    Click("frmAwnSplash", "cmdAbout");
    QWidget* first = Screen("frmUsing");
    Click("frmAwnSplash", "cmdAbout");
    EXPECT_EQ(Screen("frmUsing"), first);
    int informationScreens = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        informationScreens += window->isVisible() && window->objectName() == "frmUsing";
    }
    EXPECT_EQ(informationScreens, 1);
}

TEST_F(WizardWalkTest, TheInformationScreenClosesAnOpenOutputFilesScreen) {
    StartProgram();
    Click("frmAwnSplash", "cmdAbout");
    Click("frmUsing", "cmdContinue");
    Click("frmAwnSplash", "cmdAbout");
    EXPECT_EQ(OpenScreens(), (Screens{"frmAwnSplash", "frmUsing"}));
}

TEST_F(WizardWalkTest, TheCloseBoxClosesThatScreenOnly) {
    StartProgram();
    Click("frmAwnSplash", "cmdAbout");
    Screen("frmAwnSplash")->close();
    EXPECT_EQ(OpenScreens(), Screens{"frmUsing"});
    EXPECT_EQ(programEnds, 0);
}

// Runs the real event loop: the program must outlive every hand-over, since the next screen is
// shown before the owner closes, and end when its last screen is closed.
TEST_F(WizardWalkTest, TheProgramEndsWhenItsLastScreenClosesAndNotBefore) {
    bool outputScreenSeenOpen = false;
    QTimer::singleShot(0, [this] {
        StartProgram();
        Click("frmAwnSplash", "cmdContinue");
    });
    QTimer::singleShot(200, [&] {
        outputScreenSeenOpen = OpenScreens() == Screens{"frmPathFileName"};
        Screen("frmPathFileName")->close();
    });
    // Stopped with the test, so that it cannot end a later test's event loop.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(outputScreenSeenOpen);
}

// The awning stop arises only in the diffuse and matrix modes; a screen whose opening stops
// stands in for them here.
class StoppingScreen : public WizardScreen {
    Q_OBJECT

  public:
    StoppingScreen() : WizardScreen("StoppingScreen", "Stopping") {}

  protected:
    void Form_Load() override {
        throw ProgramStop(std::string(mduUmbravel::AwningBelowWindowMessage));
    }
};

TEST_F(WizardWalkTest, TheAwningStopShowsItsMessageAndEndsTheProgram) {
    WalkTo("frmSourceMode");
    Wizard::HandOver<StoppingScreen>(Screen("frmSourceMode"));
    EXPECT_EQ(messages,
              std::vector<std::string>{"AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW."});
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens(), Screens{"frmSourceMode"});
}

TEST_F(WizardWalkTest, APrintFileThatCannotBeWrittenShowsItsErrorAndEndsTheProgram) {
    WalkTo("frmBeamResults");
    std::filesystem::remove_all(DataFolder());
    Click("frmBeamResults", "cmdFinish");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(DataFolder() + "Umbravel.prt"), std::string::npos) << messages[0];
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens(), Screens{"frmBeamResults"});
}

}  // namespace

#include "WizardWalkTest.moc"
