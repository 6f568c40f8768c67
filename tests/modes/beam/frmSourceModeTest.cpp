#include <QLineEdit>
#include <QTest>
#include <string>

#include "model/mduUmbravel.h"
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
    EXPECT_EQ(SolAltRad, DegToRad(45));
}

TEST_F(frmSourceModeTest, TypingOverTheAzimuthStartingWithANonZeroDigitShowsNoMessage) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", "txtSolAzi", "45");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(SolAzi, 45);
}

struct ZeroReading {
    const char* name;
    const char* typedOverAll;
};

class frmSourceModeZeroTest : public frmSourceModeTest,
                              public ::testing::WithParamInterface<ZeroReading> {};

TEST_P(frmSourceModeZeroTest, AZeroAzimuthIsReplacedWithOneMessage) {
    WalkTo("frmSourceMode");
    SolAzi = 5;
    TypeOver("frmSourceMode", "txtSolAzi", GetParam().typedOverAll);
    EXPECT_EQ(messages, std::vector<std::string>{kZeroAzimuthMessage});
    EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), "0.0001");
    EXPECT_EQ(SolAzi, 0.0001);
    EXPECT_EQ(SolAziRad, 0.0001 * 3.14159265358979 / 180);
}

INSTANTIATE_TEST_SUITE_P(TextsReadingZero, frmSourceModeZeroTest,
                         ::testing::Values(ZeroReading{"Cleared", ""}, ZeroReading{"Zero", "0"},
                                           ZeroReading{"Minus", "-"}, ZeroReading{"Point", "."},
                                           ZeroReading{"Letter", "x"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(frmSourceModeTest, AnEntryStartedWithZeroBringsTheMessageAtTheFirstKeystroke) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", "txtSolAzi", "0.5");
    EXPECT_EQ(messages, std::vector<std::string>{kZeroAzimuthMessage});
    EXPECT_EQ(Text("frmSourceMode", "txtSolAzi"), "0.0001.5");
    EXPECT_EQ(SolAzi, 0.0001);
}

// A sign or a point typed first reads as zero; put in front of digits they are
// accepted.
TEST_F(frmSourceModeTest, NegativeAndSmallAzimuthsAreEnteredByEditingAfterTheFirstDigit) {
    WalkTo("frmSourceMode");
    auto* box = Find<QLineEdit>("frmSourceMode", "txtSolAzi");
    TypeOver("frmSourceMode", "txtSolAzi", "30");
    box->home(false);
    QTest::keyClicks(box, "-");
    EXPECT_EQ(SolAzi, -30);
    TypeOver("frmSourceMode", "txtSolAzi", "5");
    box->home(false);
    QTest::keyClicks(box, ".");
    EXPECT_EQ(SolAzi, 0.5);
    EXPECT_TRUE(messages.empty());
}

TEST_F(frmSourceModeTest, CalculateReadsTheAnglesAgainForASingleSun) {
    WalkTo("frmSourceMode");
    TypeOver("frmSourceMode", "txtSolAlt", "45");
    SolAlt = 0;
    SolAltRad = 0;
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(SourceMode, 1);
    EXPECT_EQ(SolAlt, 45);
    EXPECT_EQ(SolAltRad, DegToRad(45));
    EXPECT_EQ(SolAzi, 0.0001);
    EXPECT_EQ(Text("frmBeamResults", "lblAltAngle"), "Solar Altitude  45 deg");
}

struct Mode {
    const char* option;
    std::int16_t sourceMode;
    const char* results;
};

class frmSourceModeOptionTest : public frmSourceModeTest,
                                public ::testing::WithParamInterface<Mode> {};

TEST_P(frmSourceModeOptionTest, CalculateSetsTheChosenModeAndOpensItsResults) {
    WalkTo("frmSourceMode");
    SourceMode = 0;
    Click("frmSourceMode", GetParam().option);
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(SourceMode, GetParam().sourceMode);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{GetParam().results});
}

INSTANTIATE_TEST_SUITE_P(EveryMode, frmSourceModeOptionTest,
                         ::testing::Values(Mode{"OptSingleSun", 1, "frmBeamResults"},
                                           Mode{"optDiffuse", 2, "frmDiffuseResults"},
                                           Mode{"optMatrix", 3, "frmMatrixResults"}),
                         [](const auto& info) { return std::string(info.param.option); });

}  // namespace
