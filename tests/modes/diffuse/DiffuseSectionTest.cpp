#include "modes/diffuse/DiffuseSection.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "model/Faults.h"
#include "model/mduUmbravel.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "output/NumberText.h"
#include "platform/Clock.h"
#include "support/Geometry.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

constexpr char Header[] = "W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3";
constexpr char CaseText[] = "South office, deep awning";

// Each line followed by carriage return and line feed.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The counts of a case table, each as " n " starting at its tab column.
template <std::size_t N>
std::string CountRow(const std::array<int, N>& counts) {
    constexpr std::array<std::size_t, 10> columns = {6, 14, 21, 28, 36, 44, 52, 60, 68, 74};
    std::string row;
    for (std::size_t k = 0; k < N; ++k) {
        row.append(columns[k] - 1 - row.size(), ' ');
        row += " " + std::to_string(counts[k]) + " ";
    }
    return row;
}

// Lines 5, 7 and 8: the dimensions and ratios of the geometry under test.
struct InputLines {
    std::string dimensions, ratios, moreRatios;
};

const InputLines DefaultInputs = {
    "    L= 3   H= 4   h= 3   h'= 1   W= 2  W'= 3 ",
    "    B= 0.75   C= 0.75   D= 1.5   E= 0.25 ",
    "    F= 0.5   G= 0.25   R= 0.333333333333333  Geometry: Awning only",
};

class DiffuseSectionTest : public testing::Test {
  protected:
    void SetUp() override {
        FixClock({2026, 12, 8, 13, 5, 9});
        DataPath = folder_.Slash();
        PrintFileName = "Umbravel.prt";
        GeomModeName = {"", "Awning only", "Side fins only", "Awning and fins"};
        HeaderText = Header;
        GeomCaseText = CaseText;
        StoreDefaultGeometry();
        GeomMode = 1;
    }
    void TearDown() override { ReleaseClock(); }

    std::string PrintFile() const { return ReadBytes(folder_.Path() / "Umbravel.prt"); }

    // Lines 1 to 25, with the sky results of a 20-step pass run here.
    std::string ExpectedUpToSkyCounts(const InputLines& inputs) const {
        SetDiffuseGrid(20);
        ResetDiffuseRun();
        IntegrateSkyDiffuse();
        return Lines({
            "UMBRAVEL Version 3.0  --  DIFFUSE RADIATION",
            "DATE:12-08-2026    TIME:13:05:09",
            HeaderText,
            "INPUT VALUES:",
            inputs.dimensions,
            "    B=L/H  C=h/H  D=L/W  E=h'/H  F=delta W/W  R=delta W/L  G=delta W/H",
            inputs.ratios,
            inputs.moreRatios,
            "    Geometry Case: " + GeomCaseText,
            "Output files directory: ",
            "    " + folder_.Slash(),
            "DISCRETIZATION:",
            "    For Alt going from 0 to  85.5 degrees",
            "    in steps of  4.5  deg and Azi going from 0 to ",
            "    90 deg in steps of  4.5  deg.",
            "    Constant sky radiance assumed.",
            "    (i goes from 1 to 20  and j goes from 1 to 20 ",
            "",
            "Total number of directions in the sky =  400 ",
            "************************************************",
            "SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PrintItemText(SkyUSF),
            "************************************************",
            "     DISTRIBUTION OF OCCURENCES OF SKY-ONLY ALGORITHM CASES:",
            "      I       IA     II     IIA     III     IVA     IVB     IVC     V    NONE",
            CountRow(SkyCaseCount),
        });
    }

    // Lines 26 to 44, with the ground results of a 20-step pass run here.
    std::string ExpectedFromGroundPass() const {
        IntegrateGroundDiffuse();
        return Lines({
            "",
            "Total number of directions from the ground =  380 ",
            "********************************************************",
            "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " + PrintItemText(GroundUSF),
            "(Does not include ground reflectance [albedo].)",
            "********************************************************",
            "",
            "DISCRETIZATION:",
            "     FOR A GOING FROM 0 TO-85.5 DEGREES",
            "     IN STEPS OF  4.5 DEGREES AND P GOING FROM",
            "     0 TO 90 IN THE SAME STEPS.",
            "     CONSTANT SKY RADIANCE ASSUMED.",
            "               (I GOES FROM 1 TO 20  AND J GOES FROM 1 TO 20 ",
            "",
            "     DISTRIBUTION OF OCCURENCES OF GROUND-ONLY ALGORITHM CASES:",
            "      6       6A     7      7A      8      NONE",
            CountRow(GroundCaseCount),
            "\n             \r",
            "==================================================================================",
        });
    }

    std::string ExpectedSection(const InputLines& inputs) const {
        const std::string upToSky = ExpectedUpToSkyCounts(inputs);
        return upToSky + ExpectedFromGroundPass();
    }

    TempFolder folder_;
};

TEST_F(DiffuseSectionTest, DefaultGeometryAppendsTheWholeSection) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const std::string section = ExpectedSection(DefaultInputs);
    // Leftovers of other modes, which the run must not report.
    SkyCaseCount.fill(9);
    GroundCaseCount.fill(9);
    NAlt = NAzi = 25;

    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), "\r\n" + section);
}

TEST_F(DiffuseSectionTest, SmallAndNegativeValuesKeepTheirZeroAndTakeTheSignPosition) {
    StoreGeometry(0.8, 2, 1.5, 4, 3, 0.5);
    GeomMode = 3;
    const std::string section = ExpectedSection({
        "    L= 0.8   H= 4   h= 3   h'= 0.5   W= 2  W'= 1.5 ",
        "    B= 0.2   C= 0.75   D= 0.4   E= 0.125 ",
        "    F=-0.25   G=-0.125   R=-0.625  Geometry: Awning and fins",
    });

    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), section);
}

TEST_F(DiffuseSectionTest, SecondRunAppendsACompleteSectionWithItsOwnCounts) {
    const std::string section = ExpectedSection(DefaultInputs);

    RunDiffuseMode();
    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), section + section);
}

TEST_F(DiffuseSectionTest, EmptyHeaderAndCaseTextLeaveTheirFieldsEmpty) {
    HeaderText.clear();
    GeomCaseText.clear();
    const std::string section = ExpectedSection(DefaultInputs);

    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), section);
}

TEST_F(DiffuseSectionTest, AwningBelowTheWindowKeepsTheLinesWrittenBeforeTheGroundPass) {
    StoreGeometry(3, 2, 3, 4, -2, 1);
    const std::string upToSky = ExpectedUpToSkyCounts({
        "    L= 3   H= 4   h=-2   h'= 1   W= 2  W'= 3 ",
        "    B= 0.75   C=-0.5   D= 1.5   E= 0.25 ",
        DefaultInputs.moreRatios,
    });

    EXPECT_THROW(RunDiffuseMode(), ProgramStop);
    EXPECT_EQ(PrintFile(), upToSky);
}

TEST_F(DiffuseSectionTest, MissingDataFolderStopsBeforeTheRunAndNamesTheFile) {
    DataPath = folder_.Slash() + "missing/";
    NAlt = 7;
    try {
        RunDiffuseMode();
        ADD_FAILURE() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(DataPath + "Umbravel.prt"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(NAlt, 7);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(DiffuseSectionTest, CaptionsShowTheRunInCaptionNumberForm) {
    EXPECT_EQ(DiffuseDateCaption(), "Run date: 12-08-2026");
    EXPECT_EQ(DiffuseTimeCaption(), "Run time: 13:05:09");
    EXPECT_EQ(DiffuseGeomModeCaption(), "Geometry mode:  1");
    EXPECT_EQ(DiffuseCaseTextCaption(), "Geometry description: South office, deep awning");
    GeomCaseText.clear();
    EXPECT_EQ(DiffuseCaseTextCaption(), "Geometry description: ");

    SkyUSF = 0.25;
    GroundUSF = 1;
    EXPECT_EQ(DiffuseSkyUSFCaption(), "Sky-Only Diffuse USF =  .25");
    EXPECT_EQ(DiffuseGroundUSFCaption(), "Ground-Only Diffuse USF =  1");
}

}  // namespace
