#include "output/MatrixReport.h"
#include "output/MatrixRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

class MatrixReportTest : public ReportFixture {
  protected:
    ExpectedMatrix ExpectedReport(const MatrixGeometryLines& lines) const {
        return ExpectedMatrixReport(lines, folder_.Slash());
    }

    // Leaves no table or diffuse grid behind that the run could use in place of its own.
    std::set<std::string> FolderContents() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    static void ForgetEarlierResults() {
        MatrixAltitudes.clear();
        MatrixAzimuths.clear();
        MatrixUSF.clear();
        NAlt = NAzi = 20;
        SkyUSF = GroundUSF = -1;
        MatrixText = "earlier text";
    }
};

TEST_F(MatrixReportTest, DefaultGeometryAppendsTheSectionAndStoresTheScreenText) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const ExpectedMatrix expected = ExpectedReport(DefaultMatrixLines);
    ForgetEarlierResults();

    const std::string text = RunMatrixReport();
    EXPECT_EQ(PrintFile(), "\r\n" + expected.section);
    EXPECT_EQ(text, expected.screen);
    EXPECT_EQ(MatrixText, expected.screen);
}

TEST_F(MatrixReportTest, SmallAndNegativeValuesInBothNumberForms) {
    StoreGeometry(0.8, 2, 1.5, 4, 3, 0.5);
    GeomMode = 3;
    const ExpectedMatrix expected = ExpectedReport({
        "L =  0.8   H =  4   h =  3   h' =  0.5   W =  2   W' =  1.5 ",
        "B = 0.2   C = 0.75   D = 0.4   E = 0.125",
        "L =  .8  H =  4  h =  3  h' =  .5  W =  2  W' =  1.5",
        "B = 0.2   C = 0.75   D=0.4   E=0.125",
        "F = -0.25   G = -0.125   R = -0.625   Geometry: Awning and fins",
    });
    ForgetEarlierResults();

    EXPECT_EQ(RunMatrixReport(), expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
}

TEST_F(MatrixReportTest, EmptyCaseTextKeepsTheLabelWithItsBlank) {
    GeomCaseText.clear();
    const ExpectedMatrix expected = ExpectedReport(DefaultMatrixLines);

    EXPECT_EQ(RunMatrixReport(), expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
}

TEST_F(MatrixReportTest, TheModeWritesItsDataFilesAfterTheReport) {
    const ExpectedMatrix expected = ExpectedReport(DefaultMatrixLines);

    EXPECT_EQ(RunMatrixMode().text, expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
    EXPECT_EQ(FolderContents(),
              (std::set<std::string>{"Umbravel.prt", "AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT",
                                     "AWNONLY4.DAT", "AWNONLY5.DAT"}));
}

TEST_F(MatrixReportTest, AwningBelowTheWindowKeepsTheSectionUpToTheTableAndNoDataFile) {
    StoreGeometry(3, 2, 3, 4, -2, 1);
    MatrixGeometryLines lines = DefaultMatrixLines;
    lines.fileDimensions = "L =  3   H =  4   h = -2   h' =  1   W =  2   W' =  3 ";
    lines.fileRatios = "B = 0.75   C = -0.5   D = 1.5   E = 0.25";
    const std::string upToTable = ExpectedMatrixSectionUpToTable(lines, folder_.Slash());

    EXPECT_THROW(RunMatrixMode(), ProgramStop);
    EXPECT_EQ(PrintFile(), upToTable);
    EXPECT_EQ(FolderContents(), std::set<std::string>{"Umbravel.prt"});
}

TEST_F(MatrixReportTest, MissingDataFolderIsAnUnexpectedErrorNamingTheFile) {
    DataPath = folder_.Slash() + "missing/";
    try {
        RunMatrixReport();
        ADD_FAILURE() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(DataPath + "Umbravel.prt"), std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(MatrixReportTest, CaptionsReadTheClock) {
    EXPECT_EQ(MatrixDateCaption(), "Date: 12-08-2026");
    EXPECT_EQ(MatrixTimeCaption(), "Time: 13:05:09");
}

}  // namespace
