#include "output/DiffuseSection.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "model/mduUmbravel.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

class DiffuseSectionTest : public ReportFixture {
  protected:
    std::string ExpectedSection(const DiffuseInputLines& inputs) const {
        return ExpectedDiffuseSection(inputs, folder_.Slash());
    }
};

TEST_F(DiffuseSectionTest, DefaultGeometryAppendsTheWholeSection) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const std::string section = ExpectedSection(DefaultDiffuseInputs);
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
    const std::string section = ExpectedSection(DefaultDiffuseInputs);

    RunDiffuseMode();
    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), section + section);
}

TEST_F(DiffuseSectionTest, EmptyHeaderAndCaseTextLeaveTheirFieldsEmpty) {
    HeaderText.clear();
    GeomCaseText.clear();
    const std::string section = ExpectedSection(DefaultDiffuseInputs);

    RunDiffuseMode();
    EXPECT_EQ(PrintFile(), section);
}

TEST_F(DiffuseSectionTest, AwningBelowTheWindowKeepsTheLinesWrittenBeforeTheGroundPass) {
    StoreGeometry(3, 2, 3, 4, -2, 1);
    const std::string upToSky = ExpectedDiffuseUpToSkyCounts(
        {
            "    L= 3   H= 4   h=-2   h'= 1   W= 2  W'= 3 ",
            "    B= 0.75   C=-0.5   D= 1.5   E= 0.25 ",
            DefaultDiffuseInputs.moreRatios,
        },
        folder_.Slash());

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
