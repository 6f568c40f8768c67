#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <string>

#include "support/WizardFixture.h"

namespace {

class ScreenUseTest : public WizardFixture {
  protected:
    // Every button and option of the screen has an Alt shortcut of its own.
    static void ExpectShortcuts(const char* screen) {
        std::map<QString, QString> owners;
        for (QMenuBar* bar : Screen(screen)->findChildren<QMenuBar*>()) {
            for (QAction* menu : bar->actions())
                owners.emplace(QKeySequence::mnemonic(menu->text()).toString(), menu->text());
        }
        for (QAbstractButton* button : Screen(screen)->findChildren<QAbstractButton*>()) {
            if (qobject_cast<QMenuBar*>(button->parent()))
                continue;  // the menu bar's own overflow button
            const QString shortcut = button->shortcut().toString();
            EXPECT_TRUE(shortcut.startsWith("Alt+"))
                << screen << " " << button->objectName().toStdString();
            const auto [owner, fresh] = owners.emplace(shortcut, button->objectName());
            EXPECT_TRUE(fresh) << screen << ": " << shortcut.toStdString() << " for both "
                               << owner->second.toStdString() << " and "
                               << button->objectName().toStdString();
        }
    }
};

struct FirstFocus {
    const char* screen;
    const char* control;
};

class ScreenUseFocusTest : public ScreenUseTest,
                           public ::testing::WithParamInterface<FirstFocus> {};

TEST_P(ScreenUseFocusTest, TheFirstEntryHasTheFocusWhenTheScreenOpens) {
    WalkTo(GetParam().screen);
    EXPECT_EQ(Screen(GetParam().screen)->focusWidget()->objectName(), GetParam().control);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenUseFocusTest,
                         ::testing::Values(FirstFocus{"frmGeomChoice", "optGeom1"},
                                           FirstFocus{"frmGeomValues", "txtWP"},
                                           FirstFocus{"frmSourceMode", "txtSolAlt"}),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(ScreenUseTest, EveryButtonAndOptionHasItsOwnAltShortcut) {
    WalkTo("frmAbout");
    for (const char* screen : {"frmAwnSplash", "frmUsing", "frmAbout"}) {
        ExpectShortcuts(screen);
    }
    Click("frmAbout", "cmdReturn");
    Click("frmUsing", "cmdContinue");
    Click("frmPathFileName", "cmdContinue");
    ExpectShortcuts("frmGeomChoice");
    Click("frmGeomChoice", "cmdOK");
    ExpectShortcuts("frmGeomValues");
}

TEST_F(ScreenUseTest, AltKeysChooseTheModeAndTheAnglesCountOnlyForASingleSun) {
    WalkTo("frmSourceMode");
    for (const char* unit : {"lblAltUnit", "lblAziUnit"}) {
        EXPECT_EQ(Text("frmSourceMode", unit), "deg");
    }
    ExpectShortcuts("frmSourceMode");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Screen("frmSourceMode")));
    auto* altitude = Find<QLineEdit>("frmSourceMode", "txtSolAlt");
    // A shortcut clicks its button a moment after the key, as a mouse click would look.
    const auto press = [](Qt::Key key, const char* option) {
        QTest::keyClick(Screen("frmSourceMode"), key, Qt::AltModifier);
        return QTest::qWaitFor(
            [option] { return Find<QRadioButton>("frmSourceMode", option)->isChecked(); });
    };
    ASSERT_TRUE(press(Qt::Key_D, "optDiffuse"));
    EXPECT_FALSE(altitude->isEnabled());
    ASSERT_TRUE(press(Qt::Key_S, "OptSingleSun"));
    EXPECT_TRUE(altitude->isEnabled());
    ASSERT_TRUE(press(Qt::Key_M, "optMatrix"));
    EXPECT_FALSE(Find<QLineEdit>("frmSourceMode", "txtSolAzi")->isEnabled());
    QTest::keyClick(Screen("frmSourceMode"), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([] { return OpenScreens() == std::set<std::string>{"frmMatrixResults"}; }));
    ExpectShortcuts("frmMatrixResults");
}

TEST_F(ScreenUseTest, TheTextsOfTheStartAndInformationScreensCannotBeEdited) {
    WalkTo("frmAbout");
    const std::pair<const char*, const char*> boxes[] = {
        {"frmAwnSplash", "txtAbout"}, {"frmUsing", "txtUsing"}, {"frmAbout", "txtAbout"}};
    for (const auto& [screen, box] : boxes) {
        const std::string before = Text(screen, box);
        auto* area = Find<QPlainTextEdit>(screen, box);
        QTest::keyClicks(area, "typed");
        QTest::keyClick(area, Qt::Key_Backspace);
        // Enter goes to the screen's default button; the start screen has none.
        if (std::string(screen) == "frmAwnSplash") {
            QTest::keyClick(area, Qt::Key_Return);
        }
        EXPECT_EQ(Text(screen, box), before) << screen;
    }
}

TEST_F(ScreenUseTest, TheMakerLabelsOfTheStartScreenNameThisProgram) {
    StartProgram();
    for (const char* label : {"lblSlogan", "lblStreet", "lblCity", "lblPhone"}) {
        EXPECT_EQ(Text("frmAwnSplash", label).find('['), std::string::npos) << label;
    }
    EXPECT_EQ(Text("frmAwnSplash", "lblStreet").rfind("Umbravel 3.0, built 20", 0), 0u);
    EXPECT_NE(Text("frmAwnSplash", "lblCity").find("MIT"), std::string::npos);
    EXPECT_NE(Text("frmAwnSplash", "lblPhone").find(ProgramFolder()), std::string::npos);
}

struct Warned {
    const char* name;
    const char* geometry;
    const char* awningWidth;
    const char* mode;
    const char* azimuth;
    const char* results;
    const char* warning;
    bool shown;
};

class ScreenUseWarningTest : public ScreenUseTest, public ::testing::WithParamInterface<Warned> {};

TEST_P(ScreenUseWarningTest, AFractionOutsideZeroToOneIsShownWithAWarning) {
    const Warned& w = GetParam();
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", w.geometry);
    Click("frmGeomChoice", "cmdOK");
    TypeOver("frmGeomValues", "txtWP", w.awningWidth);
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Click("frmSourceMode", w.mode);
    TypeOver("frmSourceMode", "txtSolAzi", w.azimuth);
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(Find<QLabel>(w.results, w.warning)->isVisible(), w.shown);
    ExpectShortcuts(w.results);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ScreenUseWarningTest,
    ::testing::Values(Warned{"NarrowAwningBeam", "optGeom1", "1", "OptSingleSun", "-0.006",
                             "frmBeamResults", "lblBeamWarning", true},
                      Warned{"DefaultBeam", "optGeom1", "3", "OptSingleSun", "0.0001",
                             "frmBeamResults", "lblBeamWarning", false},
                      Warned{"SideFinsGround", "optGeom2", "3", "optDiffuse", "1",
                             "frmDiffuseResults", "lblGroundWarning", true},
                      Warned{"SideFinsSky", "optGeom2", "3", "optDiffuse", "1", "frmDiffuseResults",
                             "lblSkyWarning", false},
                      Warned{"SideFinsMatrix", "optGeom2", "3", "optMatrix", "1",
                             "frmMatrixResults", "lblMatrixWarning", true},
                      Warned{"AwningMatrix", "optGeom1", "3", "optMatrix", "1", "frmMatrixResults",
                             "lblMatrixWarning", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Every entry box says to a screen reader what the screen's caption for it says.
TEST_F(ScreenUseTest, EveryEntryHasTheNameItsCaptionShows) {
    const auto expectNamed = [](const char* screen) {
        for (QWidget* entry : Screen(screen)->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(entry) || qobject_cast<QAbstractSpinBox*>(entry) ||
                qobject_cast<QComboBox*>(entry)) {
                if (qobject_cast<QAbstractSpinBox*>(entry->parent()) ||
                    qobject_cast<QComboBox*>(entry->parent()))
                    continue;  // the inner line of a spin box or an editable list
                EXPECT_FALSE(entry->accessibleName().isEmpty())
                    << screen << " " << entry->objectName().toStdString();
            }
        }
    };
    WalkTo("frmPathFileName");
    expectNamed("frmPathFileName");
    Click("frmPathFileName", "cmdContinue");
    Click("frmGeomChoice", "cmdOK");
    expectNamed("frmGeomValues");
    EXPECT_EQ(Find<QLineEdit>("frmGeomValues", "txtL")->accessibleName().toStdString(),
              Text("frmGeomValues", "lblBL") + " (L)");
    Click("frmGeomValues", "cmdContinue");
    expectNamed("frmHeaderText");
    Click("frmHeaderText", "cmdContinue");
    expectNamed("frmSourceMode");
    EXPECT_EQ(Find<QLineEdit>("frmSourceMode", "txtSolAlt")->accessibleName(),
              "Solar altitude angle");
    Click("frmSourceMode", "cmdFromPlace");
    expectNamed("frmSunFromPlace");
    Click("frmSunFromPlace", "cmdCancel");
}

}  // namespace
