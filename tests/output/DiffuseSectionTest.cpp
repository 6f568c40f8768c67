#include "output/DiffuseSection.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "modes/diffuse/DiffuseCalculation.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

namespace {

class DiffuseSectionTest : public ReportFixture {
  protected:
    void Append() const { AppendDiffuseSection(case_, EvaluateDiffuseMode(case_)); }
};

TEST_F(DiffuseSectionTest, DefaultGeometryAppendsTheWholeSection) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const std::string section = ExpectedDiffuseSection(case_, DefaultDiffuseInputs);

    Append();
    EXPECT_EQ(PrintFile(), "\r\n" + section);
}

TEST_F(DiffuseSectionTest, SmallAndNegativeValuesKeepTheirZeroAndTakeTheSignPosition) {
    case_.dimensions = GeometryOf(0.8, 2, 1.5, 4, 3, 0.5);
    case_.geometry = Geometry::AwningAndFins;
    const std::string section = ExpectedDiffuseSection(
        case_, {
                   "    L= 0.8   H= 4   h= 3   h'= 0.5   W= 2  W'= 1.5 ",
                   "    B= 0.2   C= 0.75   D= 0.4   E= 0.125 ",
                   "    F=-0.25   G=-0.125   R=-0.625  Geometry: Awning and fins",
               });

    Append();
    EXPECT_EQ(PrintFile(), section);
}

TEST_F(DiffuseSectionTest, SecondRunAppendsACompleteSectionWithItsOwnCounts) {
    const std::string section = ExpectedDiffuseSection(case_, DefaultDiffuseInputs);

    Append();
    Append();
    EXPECT_EQ(PrintFile(), section + section);
}

TEST_F(DiffuseSectionTest, EmptyHeaderAndCaseTextLeaveTheirFieldsEmpty) {
    case_.output.headerText.clear();
    case_.output.geomCaseText.clear();
    const std::string section = ExpectedDiffuseSection(case_, DefaultDiffuseInputs);

    Append();
    EXPECT_EQ(PrintFile(), section);
}

// The passes run before anything is written, so a failing ground pass leaves no half section.
TEST_F(DiffuseSectionTest, AwningBelowTheWindowStopsBeforeTheFileIsTouched) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "earlier\r\n");
    case_.dimensions = GeometryOf(3, 2, 3, 4, -2, 1);

    EXPECT_THROW(Append(), ProgramStop);
    EXPECT_EQ(PrintFile(), "earlier\r\n");
}

TEST_F(DiffuseSectionTest, MissingDataFolderStopsBeforeTheRunAndNamesTheFile) {
    case_.output.dataPath = folder_.Slash() + "missing/";
    try {
        Append();
        ADD_FAILURE() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(case_.output.dataPath + "Umbravel.prt"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

// A fraction outside 0 to 1 is followed by its physically weighted factor; one inside is not.
TEST_F(DiffuseSectionTest, AFractionOutsideZeroToOneIsFollowedByItsPhysicalFactor) {
    case_.geometry = Geometry::AwningAndFins;  // ground -1.873..., sky 0.064...
    Append();
    const std::string section = PrintFile();
    const std::string ground =
        "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = -1.87303048487966 \r\n"
        "Physically weighted ground factor = ";
    EXPECT_NE(section.find(ground), std::string::npos) << section;
    EXPECT_EQ(section.find("Physically weighted sky factor"), std::string::npos) << section;
}

TEST_F(DiffuseSectionTest, CaptionsShowTheRunInCaptionNumberForm) {
    EXPECT_EQ(DiffuseDateCaption(), "Run date: 12-08-2026");
    EXPECT_EQ(DiffuseTimeCaption(), "Run time: 13:05:09");
    EXPECT_EQ(DiffuseCaseTextCaption("South office, deep awning"),
              "Geometry description: South office, deep awning");
    EXPECT_EQ(DiffuseCaseTextCaption(""), "Geometry description: ");
    EXPECT_EQ(DiffuseSkyUSFCaption(0.25), "Sky-Only Diffuse USF =  .25");
    EXPECT_EQ(DiffuseGroundUSFCaption(1), "Ground-Only Diffuse USF =  1");
}

}  // namespace
