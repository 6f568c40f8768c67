#include <QRadioButton>
#include <QTest>
#include <set>
#include <string>

#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

// A key pressed on every screen that has buttons, with the focus on a button, in a text box or
// on an option, and the screens open afterwards.
struct KeyPress {
    const char* name;
    const char* screen;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::set<std::string> opensAfter;
    int appendChoice;  // AppendToPrintFile afterwards
};

void PrintTo(const KeyPress& press, std::ostream* out) {
    *out << press.name;
}

class KeyboardTest : public WizardFixture, public ::testing::WithParamInterface<KeyPress> {
  protected:
    void Reach(const std::string& screen) {
        if (screen == "frmDiffuseResults" || screen == "frmMatrixResults") {
            WalkTo("frmGeomChoice");
            Calculate("optGeom1", screen == "frmDiffuseResults" ? "optDiffuse" : "optMatrix");
        } else {
            WalkTo(screen.c_str());
        }
    }
};

TEST_P(KeyboardTest, TheKeyPressesTheButtonItIsMeantFor) {
    const KeyPress& press = GetParam();
    Reach(press.screen);
    QWidget* focus = Find<QWidget>(press.screen, press.focus);
    // Shortcuts, as on a desktop, reach only the active window.
    focus->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(focus->window()));
    focus->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus, press.key, press.modifiers);
    // A shortcut presses its button the way a click looks, a moment later.
    QTest::qWaitFor(
        [&] {
            return OpenScreens() == press.opensAfter && AppendToPrintFile == press.appendChoice;
        },
        1000);
    EXPECT_EQ(OpenScreens(), press.opensAfter);
    EXPECT_EQ(AppendToPrintFile, press.appendChoice);
    EXPECT_EQ(programEnds, 0);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

INSTANTIATE_TEST_SUITE_P(
    EveryScreen, KeyboardTest,
    ::testing::Values(
        // Enter and Space on a focused button press that button, default button or not.
        KeyPress{"StartAbout",
                 "frmAwnSplash",
                 "cmdAbout",
                 Qt::Key_Return,
                 kNone,
                 {"frmAwnSplash", "frmUsing"},
                 0},
        KeyPress{
            "UsingPrevious", "frmUsing", "cmdPrev", Qt::Key_Return, kNone, {"frmAwnSplash"}, 0},
        KeyPress{"AboutReturn",
                 "frmAbout",
                 "cmdReturn",
                 Qt::Key_Enter,
                 kNone,
                 {"frmAwnSplash", "frmUsing"},
                 0},
        KeyPress{"PathAppend",
                 "frmPathFileName",
                 "cmdKeep",
                 Qt::Key_Return,
                 kNone,
                 {"frmPathFileName"},
                 1},
        KeyPress{"PathPrevious",
                 "frmPathFileName",
                 "cmdPrev",
                 Qt::Key_Space,
                 kNone,
                 {"frmAwnSplash"},
                 0},
        KeyPress{"GeomChoicePrevious",
                 "frmGeomChoice",
                 "cmdPrevious",
                 Qt::Key_Return,
                 kNone,
                 {"frmPathFileName"},
                 0},
        KeyPress{"GeomValuesPrevious",
                 "frmGeomValues",
                 "cmdPrevious",
                 Qt::Key_Return,
                 kNone,
                 {"frmGeomChoice"},
                 0},
        KeyPress{"HeaderPrevious",
                 "frmHeaderText",
                 "cmdPrevious",
                 Qt::Key_Return,
                 kNone,
                 {"frmGeomValues"},
                 0},
        KeyPress{"SourcePrevious",
                 "frmSourceMode",
                 "cmdPrevious",
                 Qt::Key_Return,
                 kNone,
                 {"frmGeomChoice"},
                 0},
        KeyPress{"BeamNewSource",
                 "frmBeamResults",
                 "cmdNewSource",
                 Qt::Key_Return,
                 kNone,
                 {"frmSourceMode"},
                 0},
        KeyPress{"DiffuseNewGeom",
                 "frmDiffuseResults",
                 "cmdNewGeom",
                 Qt::Key_Return,
                 kNone,
                 {"frmGeomChoice"},
                 0},
        KeyPress{"MatrixNewGeom",
                 "frmMatrixResults",
                 "cmdNewGeom",
                 Qt::Key_Return,
                 kNone,
                 {"frmGeomChoice"},
                 0},
        KeyPress{
            "SavedRepeat", "frmSaved", "cmdRepeat", Qt::Key_Return, kNone, {"frmPathFileName"}, 0},
        KeyPress{"SavedView",
                 "frmSaved",
                 "cmdPrintIt",
                 Qt::Key_Space,
                 kNone,
                 {"frmSaved", "frmViewPrint"},
                 0},
        // Enter in a text box or on an option presses the default button.
        KeyPress{
            "PathBox", "frmPathFileName", "txtPath", Qt::Key_Return, kNone, {"frmGeomChoice"}, 0},
        KeyPress{
            "GeomOption", "frmGeomChoice", "optGeom2", Qt::Key_Return, kNone, {"frmGeomValues"}, 0},
        KeyPress{"HeaderBox",
                 "frmHeaderText",
                 "txtHeaderInfo",
                 Qt::Key_Enter,
                 kNone,
                 {"frmSourceMode"},
                 0},
        // Alt shortcuts reach their buttons from anywhere on the screen.
        KeyPress{"PathAltA",
                 "frmPathFileName",
                 "txtPrintFileName",
                 Qt::Key_A,
                 kAlt,
                 {"frmPathFileName"},
                 1},
        KeyPress{
            "HeaderAltP", "frmHeaderText", "txtHeaderInfo", Qt::Key_P, kAlt, {"frmGeomValues"}, 0},
        KeyPress{"SavedAltR", "frmSaved", "cmdExit", Qt::Key_R, kAlt, {"frmPathFileName"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

class KeyboardFlowTest : public WizardFixture {
  protected:
    static void PressOn(const char* screen, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* window = Screen(screen);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
        QTest::keyClick(focus, key, modifiers);
        FinishEvents();
    }
};

TEST_F(KeyboardFlowTest, EscapeClosesTheDialogsBesideTheWizardAndNoStep) {
    WalkTo("frmSourceMode");
    PressOn("frmSourceMode", Qt::Key_Escape);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmSourceMode"});
    Click("frmSourceMode", "cmdFromPlace");
    PressOn("frmSunFromPlace", Qt::Key_Escape);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmSourceMode"});
}

TEST_F(KeyboardFlowTest, EnterAfterAnAltShortcutPressesTheDefaultButton) {
    WalkTo("frmSourceMode");
    PressOn("frmSourceMode", Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return Find<QRadioButton>("frmSourceMode", "optDiffuse")->isChecked(); }));
    PressOn("frmSourceMode", Qt::Key_Return);
    QTest::qWaitFor([] { return OpenScreens().count("frmDiffuseResults") == 1; }, 1000);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmDiffuseResults"});
}

}  // namespace

namespace {

TEST_F(KeyboardFlowTest, F1ShowsTheHelpBesideTheStepAndEscapePutsItAway) {
    WalkTo("frmGeomValues");
    PressOn("frmGeomValues", Qt::Key_F1);
    EXPECT_EQ(OpenScreens(), (std::set<std::string>{"frmGeomValues", "frmHelp"}));
    EXPECT_NE(Text("frmHelp", "txtHelp").find("PROJECT FILES"), std::string::npos);
    PressOn("frmHelp", Qt::Key_Escape);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomValues"});

    // And beside the screens opened beside a step: the year screen and those it opens.
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Click("frmSourceMode", "cmdShadingYear");
    Click("frmShadingYear", "cmdSizeDevice");
    for (const char* beside : {"frmShadingYear", "frmSizeDevice"}) {
        PressOn(beside, Qt::Key_F1);
        EXPECT_EQ(OpenScreens().count("frmHelp"), 1u) << beside;
        PressOn("frmHelp", Qt::Key_Escape);
    }
}

}  // namespace
