#include <QComboBox>
#include <QLocale>
#include <string>

#include "screens/kit/UserSettings.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmGeomValuesTest : public WizardFixture {};

class frmGeomValuesDefaultsTest : public frmGeomValuesTest,
                                  public ::testing::WithParamInterface<const char*> {};

TEST_P(frmGeomValuesDefaultsTest, EveryVisitStartsFromTheEntriesLastLeft) {
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", GetParam());
    Click("frmGeomChoice", "cmdOK");
    TypeOver("frmGeomValues", "txtW", "7");
    TypeOver("frmGeomValues", "txtGeomCase", "edited");
    Click("frmGeomValues", "cmdPrevious");
    Click("frmGeomChoice", GetParam());
    Click("frmGeomChoice", "cmdOK");

    const std::pair<const char*, const char*> kept[] = {
        {"txtWP", "3"}, {"txtW", "7"},   {"lblDelW", "-4"}, {"txtH", "4"},
        {"txtLh", "3"}, {"txtLhP", "1"}, {"txtL", "3"},     {"txtGeomCase", "edited"},
    };
    for (const auto& [control, text] : kept) {
        EXPECT_EQ(Text("frmGeomValues", control), text) << control;
    }
    EXPECT_EQ(GeomCaseText, "edited");
}

INSTANTIATE_TEST_SUITE_P(EveryGeometry, frmGeomValuesDefaultsTest,
                         ::testing::Values("optGeom1", "optGeom2", "OptGeom3"),
                         [](const auto& info) { return std::string(info.param); });

// The screen is titled and labelled for the device chosen: fins have no awning.
TEST_F(frmGeomValuesTest, TitleAndLabelsNameTheChosenDevice) {
    const struct {
        const char* option;
        const char* title;
        const char* widthLabel;
        const char* depthLabel;
    } rows[] = {
        {"optGeom1", "Setting Awning Dimensions", "Awning Width",
         "Perpendicular distance from wall to front edge of awning"},
        {"optGeom2", "Setting Side Fin Dimensions",
         "Distance from the window's far edge to the fin",
         "Perpendicular distance from wall to front edge of side fin"},
        {"OptGeom3", "Setting Awning and Side Fin Dimensions", "Awning Width, out to the fin",
         "Perpendicular distance from wall to front edge of awning and side fin"},
    };
    WalkTo("frmGeomChoice");
    for (const auto& row : rows) {
        Click("frmGeomChoice", row.option);
        Click("frmGeomChoice", "cmdOK");
        EXPECT_EQ(Screen("frmGeomValues")->windowTitle().toStdString(), row.title);
        EXPECT_EQ(Text("frmGeomValues", "lblAwnWidth"), row.widthLabel);
        EXPECT_EQ(Text("frmGeomValues", "lblBL"), row.depthLabel);
        Click("frmGeomValues", "cmdPrevious");
    }
}

struct Widths {
    const char* name;
    const char* awningWidth;
    const char* windowWidth;
    const char* delW;
};

class frmGeomValuesDelWTest : public frmGeomValuesTest,
                              public ::testing::WithParamInterface<Widths> {};

TEST_P(frmGeomValuesDelWTest, TheDifferenceFollowsBothWidths) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtWP", GetParam().awningWidth);
    TypeOver("frmGeomValues", "txtW", GetParam().windowWidth);
    EXPECT_EQ(Text("frmGeomValues", "lblDelW"), GetParam().delW);
}

INSTANTIATE_TEST_SUITE_P(Widths, frmGeomValuesDelWTest,
                         ::testing::Values(Widths{"Half", "2.5", "2", " .5"},
                                           Widths{"Negative", "1", "2", "-1"},
                                           Widths{"ClearedAwningWidth", "", "2", "-2"},
                                           Widths{"TenthsShownAsTyped", "3.3", "1.1", " 2.2"},
                                           Widths{"UnitAfterTheNumber", "3", "2 m", " 1"},
                                           Widths{"NoNumberAtAll", "wide", "x", " 0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(frmGeomValuesTest, TheDifferenceFollowsEveryKeystroke) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtW", "1");
    EXPECT_EQ(Text("frmGeomValues", "lblDelW"), " 2");
    Type("frmGeomValues", "txtW", "2");
    EXPECT_EQ(Text("frmGeomValues", "lblDelW"), "-9");
}

TEST_F(frmGeomValuesTest, ContinueStoresTheDimensionsAndTheShownDifference) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtWP", "3.3");
    TypeOver("frmGeomValues", "txtW", "1.1");
    TypeOver("frmGeomValues", "txtH", "5");
    TypeOver("frmGeomValues", "txtLh", "4.5");
    TypeOver("frmGeomValues", "txtLhP", "-0.5");
    TypeOver("frmGeomValues", "txtL", "2");
    Click("frmGeomValues", "cmdContinue");

    const ShadeGeometryRecord& g = ShadeGeometry;
    EXPECT_EQ(g.WP, 3.3);
    EXPECT_EQ(g.W, 1.1);
    EXPECT_EQ(g.DelW, 2.2);
    EXPECT_NE(g.DelW, 3.3 - 1.1);
    EXPECT_EQ(g.H, 5);
    EXPECT_EQ(g.Lh, 4.5);
    EXPECT_EQ(g.LhP, -0.5);
    EXPECT_EQ(g.L, 2);
    EXPECT_EQ(g.B, 2.0 / 5);
    EXPECT_EQ(g.R, 2.2 / 2);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmHeaderText"});
}

struct RefusedEntry {
    const char* name;
    const char* box;
    const char* text;
    const char* message;
};

class frmGeomValuesRefusalTest : public frmGeomValuesTest,
                                 public ::testing::WithParamInterface<RefusedEntry> {};

TEST_P(frmGeomValuesRefusalTest, ContinueNamesTheEntryStoresNothingAndStays) {
    WalkTo("frmGeomValues");
    ShadeGeometry = {};
    ShadeGeometry.W = 99;
    TypeOver("frmGeomValues", GetParam().box, GetParam().text);
    Click("frmGeomValues", "cmdContinue");

    EXPECT_EQ(messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(ShadeGeometry.W, 99);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomValues"});
    EXPECT_EQ(Screen("frmGeomValues")->focusWidget()->objectName(), GetParam().box);
    EXPECT_EQ(Text("frmGeomValues", GetParam().box), GetParam().text);
    EXPECT_EQ(programEnds, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, frmGeomValuesRefusalTest,
    ::testing::Values(
        RefusedEntry{"Word", "txtW", "three", "Window Width W is not a number: \"three\"."},
        RefusedEntry{"Empty", "txtH", "", "Window Height H is empty: it needs a number."},
        RefusedEntry{"SignOnly", "txtLhP", "-", "Height difference h' is not a number: \"-\"."},
        RefusedEntry{"Infinite", "txtWP", "1e999",
                     "Awning Width W' is too large to calculate with: \"1e999\"."},
        RefusedEntry{"NegativeInfinite", "txtLh", "-1e999",
                     "Height h of the front edge is too large to calculate with: \"-1e999\"."},
        RefusedEntry{"Zero", "txtL", "0",
                     "Distance L from the wall to the front edge cannot be zero."},
        RefusedEntry{"AwningBelowWindow", "txtLhP", "-3.5",
                     "The back edge of the awning would lie below the bottom of the window: h + h' "
                     "cannot be below zero."},
        RefusedEntry{"NegativeWindowHeight", "txtH", "-4",
                     "Window Height H is below zero while h + h' = 4 is not: the back edge of the "
                     "awning would lie below the bottom of the window."},
        RefusedEntry{"UnitAfterTheNumber", "txtW", "2.5 m",
                     "Window Width W is not a number in full: \"2.5 m\" would be read as 2.5."},
        RefusedEntry{"SecondPoint", "txtL", "1.5.2",
                     "Distance L from the wall to the front edge is not a number in full: "
                     "\"1.5.2\" would be read as 1.5."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(frmGeomValuesTest, NegativeLengthsAreTakenAsTheyAre) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtL", "-3");
    TypeOver("frmGeomValues", "txtW", "-2");
    TypeOver("frmGeomValues", "txtLhP", "-3");
    Click("frmGeomValues", "cmdContinue");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ShadeGeometry.L, -3);
    EXPECT_EQ(ShadeGeometry.W, -2);
    EXPECT_EQ(ShadeGeometry.LhP, -3);
}

TEST_F(frmGeomValuesTest, TheCaseTextFollowsItsBoxAndOutlivesPrevious) {
    WalkTo("frmGeomValues");
    TypeOver("frmGeomValues", "txtGeomCase", "S");
    EXPECT_EQ(GeomCaseText, "S");
    Type("frmGeomValues", "txtGeomCase", "outh");
    EXPECT_EQ(GeomCaseText, "South");
    Click("frmGeomValues", "cmdPrevious");
    EXPECT_EQ(GeomCaseText, "South");
    Click("frmGeomChoice", "cmdOK");
    EXPECT_EQ(GeomCaseText, "South");
    EXPECT_EQ(Text("frmGeomValues", "txtGeomCase"), "South");
}

TEST_F(frmGeomValuesTest, PreviousStoresNothing) {
    WalkTo("frmGeomValues");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdPrevious");
    TypeOver("frmGeomValues", "txtL", "9");
    Click("frmGeomValues", "cmdPrevious");
    EXPECT_EQ(ShadeGeometry.L, 3);
}

// The layout chosen reaches the case; a device the same on both sides whose plate ends would
// cross is refused where it is typed, with the awning width to mend.
TEST_F(frmGeomValuesTest, TheLayoutIsChosenHereAndCrossedEndsAreRefused) {
    const struct {
        const char* option;
        const char* WP;
        bool refused;
        DeviceLayout stored;
    } rows[] = {
        {"optMirrored", "0.9", true, DeviceLayout::Drawn},
        {"optDrawn", "0.9", false, DeviceLayout::Drawn},
        {"optMirrored", "1", false, DeviceLayout::Mirrored},
    };
    for (const auto& row : rows) {
        WalkTo("frmGeomValues");
        Layout = DeviceLayout::Drawn;
        messages.clear();
        Click("frmGeomValues", row.option);
        TypeOver("frmGeomValues", "txtWP", row.WP);
        Click("frmGeomValues", "cmdContinue");
        EXPECT_EQ(Layout, row.stored) << row.option << " " << row.WP;
        if (row.refused) {
            EXPECT_EQ(messages, std::vector<std::string>{std::string(CrossedEndsMessage)});
            EXPECT_EQ(OpenScreens().count("frmHeaderText"), 0u);
            EXPECT_EQ(Screen("frmGeomValues")->focusWidget()->objectName(), "txtWP");
        } else {
            EXPECT_TRUE(messages.empty()) << messages.front();
            EXPECT_EQ(CurrentCase().layout, row.stored);
        }
    }
}

}  // namespace

namespace {

TEST_F(frmGeomValuesTest, ADecimalCommaIsAPointWhereTheLocaleWritesOne) {
    WalkTo("frmGeomValues");
    const struct {
        QLocale locale;
        const char* typed;
        const char* shown;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "2,5", "2.5"},
        {QLocale(QLocale::German, QLocale::Germany), "1,2,3", "1.2,3"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "2,5", "2,5"},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(c.locale);
        TypeOver("frmGeomValues", "txtL", c.typed);
        EXPECT_EQ(Text("frmGeomValues", "txtL"), c.shown) << c.typed;
    }
    // Where a comma is no decimal separator, it is refused with the advice to use a point.
    Click("frmGeomValues", "cmdContinue");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("use a point: 2.5"), std::string::npos) << messages[0];
    QLocale::setDefault(QLocale::c());
}

}  // namespace

namespace {

TEST_F(frmGeomValuesTest, TheFinsScreenNamesItsOwnWidthWhenRefusingIt) {
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", "optGeom2");
    Click("frmGeomChoice", "cmdOK");
    TypeOver("frmGeomValues", "txtWP", "abc");
    Click("frmGeomValues", "cmdContinue");
    EXPECT_EQ(messages, std::vector<std::string>{"Distance from the window's far edge to the fin "
                                                 "W' is not a number: \"abc\"."});
}

}  // namespace

namespace {

// The unit stands beside every length and in the results' words, and is kept for the next run;
// the lengths keep their numbers.
TEST_F(frmGeomValuesTest, TheUnitChosenStandsBesideEveryLengthAndInTheResults) {
    WalkTo("frmGeomValues");
    Find<QComboBox>("frmGeomValues", "cboUnit")->setCurrentText("feet (ft)");
    for (const char* unit : {"lblUnitWP", "lblUnitW", "lblUnitDelW", "lblUnitH", "lblUnitLh",
                             "lblUnitLhP", "lblUnitL"})
        EXPECT_EQ(Text("frmGeomValues", unit), "ft") << unit;
    EXPECT_EQ(Text("frmGeomValues", "txtL"), "3");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_NE(Text("frmBeamResults", "lblDimen").find("window width W = 2 ft"), std::string::npos);
    EXPECT_EQ(LoadLengthUnit(), LengthUnit::Foot);
}

}  // namespace
