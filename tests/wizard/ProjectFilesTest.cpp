#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "output/ProjectFile.h"
#include "support/WizardFixture.h"
#include "wizard/ProjectEntries.h"
#include "wizard/ProjectMenu.h"

namespace {

class ProjectFilesTest : public WizardFixture {
  protected:
    std::string ProjectPath() const { return DataFolder() + "south.umbravel"; }

    // On the dimensions screen of the awning and fins with a projection of its own.
    void EnterADesign() {
        WalkTo("frmGeomChoice");
        Click("frmGeomChoice", "OptGeom3");
        Click("frmGeomChoice", "cmdOK");
        TypeOver("frmGeomValues", "txtL", "1.25");
        Click("frmGeomValues", "optMirrored");
    }

    static void Shortcut(const char* screen, QKeyCombination keys) {
        Screen(screen)->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Screen(screen)));
        QTest::keySequence(Screen(screen)->windowHandle(), QKeySequence(keys));
        FinishEvents();
    }
};

TEST_F(ProjectFilesTest, ASavedDesignOpensAgainAfterANewOne) {
    EnterADesign();
    chosenFiles.push_back(DataFolder() + "south");  // the extension is added
    Shortcut("frmGeomValues", Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    ASSERT_TRUE(std::filesystem::exists(ProjectPath()));
    EXPECT_FALSE(ProjectChanged());

    Shortcut("frmGeomValues", Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});
    EXPECT_TRUE(Find<QAbstractButton>("frmGeomChoice", "optGeom1")->isChecked());

    chosenFiles.push_back(ProjectPath());
    Shortcut("frmGeomChoice", Qt::CTRL | Qt::Key_O);
    EXPECT_TRUE(Find<QAbstractButton>("frmGeomChoice", "OptGeom3")->isChecked());
    Click("frmGeomChoice", "cmdOK");
    EXPECT_EQ(Text("frmGeomValues", "txtL"), "1.25");
    EXPECT_TRUE(Find<QAbstractButton>("frmGeomValues", "optMirrored")->isChecked());
    EXPECT_TRUE(questions.empty());
}

TEST_F(ProjectFilesTest, ChangesNotSavedAreAskedAboutBeforeTheDesignIsReplaced) {
    EnterADesign();
    answers = {"Cancel"};
    Shortcut("frmGeomValues", Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(Text("frmGeomValues", "txtL"), "1.25");  // stayed

    answers = {"Save"};
    chosenFiles.push_back(ProjectPath());
    Shortcut("frmGeomValues", Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_TRUE(LoadProject(ProjectPath()).dimensions.L == "1.25");
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});

    // A file that is not a project is refused with its reason and the design stays.
    std::ofstream(DataFolder() + "broken.umbravel") << "{\n\"format\": ";
    chosenFiles.push_back(DataFolder() + "broken.umbravel");
    Shortcut("frmGeomChoice", Qt::CTRL | Qt::Key_O);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("line 2"), std::string::npos) << messages[0];
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});
}

// The year screen shows figures for the design it opened with: opening a project closes it with
// the wizard's steps, and it opens again with the project's place.
TEST_F(ProjectFilesTest, AProjectOpenedBesideTheYearScreenIsWhatItShowsNext) {
    WalkTo("frmSourceMode");
    Click("frmSourceMode", "cmdShadingYear");
    Find<QDoubleSpinBox>("frmShadingYear", "txtFacing")->setValue(90);
    chosenFiles.push_back(ProjectPath());
    Shortcut("frmSourceMode", Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    Find<QDoubleSpinBox>("frmShadingYear", "txtFacing")->setValue(200);
    answers = {"Discard"};
    chosenFiles.push_back(ProjectPath());
    Shortcut("frmSourceMode", Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});

    WalkTo("frmSourceMode");
    Click("frmSourceMode", "cmdShadingYear");
    EXPECT_EQ(Find<QDoubleSpinBox>("frmShadingYear", "txtFacing")->value(), 90);
}

}  // namespace
