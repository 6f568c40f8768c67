#include <QLineEdit>
#include <QTest>
#include <string>

#include "base/NumberText.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

const std::string kZeroAzimuthMessage =
    "Azimuth angle cannot be exactly zero.  0.0001 deg used instead";

class frmSourceModeTest : public WizardFixture {};

TEST_F(frmSourceModeTest, OpeningShowsTheInitialEntriesWithoutStoringThem) {
    WalkTo("frmHeaderText");
    SolAlt = 77;
    SolAzi = 5;
    Click("frmHeaderText", "cmdContinue");
    EXPECT_EQ(Text("frmSourceMode", "txtSolAlt"), "30");
    EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), "0.0001");
    EXPECT_EQ(SolAlt, 77);
    EXPECT_EQ(SolAzi, 5);
}

TEST_F(frmSourceModeTest, TheAltitudeFollowsEveryKeystroke) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", "txtSolAlt", "4");
    EXPECT_EQ(SolAlt, 4);
    Type("frmSourceMode", "txtSolAlt", "5");
    EXPECT_EQ(SolAlt, 45);
    EXPECT_EQ(SolAlt, 45);
}

struct TypedAzimuth {
    const char* name;
    const char* keys;
    double value;
};

class frmSourceModeTypingTest : public frmSourceModeTest,
                                public ::testing::WithParamInterface<TypedAzimuth> {};

// The azimuth follows every keystroke; the zero rule waits until the box is left.
TEST_P(frmSourceModeTypingTest, AnEntryIsTypedWholeWithoutAMessage) {
    WalkTo("frmSourceMode");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Screen("frmSourceMode")));
    auto* box = Find<QLineEdit>("frmSourceMode", "txtSolAzi");
    box->setFocus();
    box->selectAll();
    const std::string keys = GetParam().keys;
    QTest::keyClick(box, keys[0]);
    EXPECT_EQ(SolAzi, ReadNumber(keys.substr(0, 1)));
    QTest::keyClicks(box, QString::fromStdString(keys.substr(1)));
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), keys);
    EXPECT_EQ(SolAzi, GetParam().value);
    EXPECT_EQ(SolAzi, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Entries, frmSourceModeTypingTest,
                         ::testing::Values(TypedAzimuth{"PointFirst", ".5", 0.5},
                                           TypedAzimuth{"ZeroFirst", "0.5", 0.5},
                                           TypedAzimuth{"SignFirst", "-30", -30},
                                           TypedAzimuth{"NonZeroFirst", "45", 45}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Finish { LeaveBox, Enter, Calculate };

struct ZeroReading {
    const char* name;
    const char* typedOverAll;
    Finish finish;
};

class frmSourceModeZeroTest : public frmSourceModeTest,
                              public ::testing::WithParamInterface<ZeroReading> {};

TEST_P(frmSourceModeZeroTest, AZeroAzimuthIsReplacedWithOneMessageWhenTheEntryIsFinished) {
    WalkTo("frmSourceMode");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Screen("frmSourceMode")));
    SolAzi = 5;
    Find<QLineEdit>("frmSourceMode", "txtSolAzi")->setFocus();
    TypeOver("frmSourceMode", "txtSolAzi", GetParam().typedOverAll);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(SolAzi, 0);
    auto* box = Find<QLineEdit>("frmSourceMode", "txtSolAzi");
    switch (GetParam().finish) {
        case Finish::LeaveBox:
            QTest::keyClick(box, Qt::Key_Tab);
            EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), "0.0001");
            break;
        case Finish::Enter:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Finish::Calculate:
            Click("frmSourceMode", "cmdCalculate");
            break;
    }
    EXPECT_EQ(messages, std::vector<std::string>{kZeroAzimuthMessage});
    EXPECT_EQ(SolAzi, 0.0001);
    EXPECT_EQ(SolAzi, 0.0001);
}

INSTANTIATE_TEST_SUITE_P(TextsReadingZero, frmSourceModeZeroTest,
                         ::testing::Values(ZeroReading{"Cleared", "", Finish::LeaveBox},
                                           ZeroReading{"Zero", "0", Finish::Enter},
                                           ZeroReading{"Minus", "-", Finish::Calculate},
                                           ZeroReading{"Point", ".", Finish::LeaveBox},
                                           ZeroReading{"Letter", "x", Finish::Calculate}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedAngle {
    const char* box;
    const char* text;
    const char* message;
};

class frmSourceModeRefusalTest : public frmSourceModeTest,
                                 public ::testing::WithParamInterface<RefusedAngle> {};

TEST_P(frmSourceModeRefusalTest, CalculateNamesAnAngleThatIsNotFiniteAndStays) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", GetParam().box, GetParam().text);
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmSourceMode"});
    EXPECT_EQ(Screen("frmSourceMode")->focusWidget()->objectName(), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, frmSourceModeRefusalTest,
    ::testing::Values(
        RefusedAngle{"txtSolAlt", "1e999",
                     "Solar altitude angle is too large to calculate with: \"1e999\"."},
        RefusedAngle{"txtSolAzi", "-1e999",
                     "Solar azimuth angle is too large to calculate with: \"-1e999\"."}),
    [](const auto& info) { return std::string(info.param.box); });

TEST_F(frmSourceModeTest, CalculateReadsTheAnglesAgainForASingleSun) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", "txtSolAlt", "45");
    SolAlt = 0;
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(ChosenMode, SourceMode::Beam);
    EXPECT_EQ(SolAlt, 45);
    EXPECT_EQ(SolAzi, 0.0001);
    EXPECT_EQ(Text("frmBeamResults", "lblAltAngle"), "Solar Altitude  45 deg");
}

struct Mode {
    const char* option;
    SourceMode sourceMode;
    const char* results;
};

class frmSourceModeOptionTest : public frmSourceModeTest,
                                public ::testing::WithParamInterface<Mode> {};

TEST_P(frmSourceModeOptionTest, CalculateSetsTheChosenModeAndOpensItsResults) {
    WalkTo("frmSourceMode");
    ChosenMode = SourceMode::Year;
    Click("frmSourceMode", GetParam().option);
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(ChosenMode, GetParam().sourceMode);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{GetParam().results});
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, frmSourceModeOptionTest,
    ::testing::Values(Mode{"OptSingleSun", SourceMode::Beam, "frmBeamResults"},
                      Mode{"optDiffuse", SourceMode::Diffuse, "frmDiffuseResults"},
                      Mode{"optMatrix", SourceMode::Matrix, "frmMatrixResults"}),
    [](const auto& info) { return std::string(info.param.option); });

}  // namespace
