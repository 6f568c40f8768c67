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
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

namespace {

class MatrixReportTest : public ReportFixture {
  protected:
    std::set<std::string> FolderContents() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    // The report's section and screen text, as the matrix screen takes them.
    std::string AppendReport() const {
        const MatrixResults results = EvaluateMatrix(case_);
        AppendMatrixSection(case_, results);
        return MatrixResultsText(case_, results);
    }
};

TEST_F(MatrixReportTest, DefaultGeometryAppendsTheSectionAndGivesTheScreenText) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const ExpectedMatrix expected = ExpectedMatrixReport(case_, DefaultMatrixLines);

    EXPECT_EQ(AppendReport(), expected.screen);
    EXPECT_EQ(PrintFile(), "\r\n" + expected.section);
}

TEST_F(MatrixReportTest, SmallAndNegativeValuesInBothNumberForms) {
    case_.dimensions = GeometryOf(0.8, 2, 1.5, 4, 3, 0.5);
    case_.geometry = Geometry::AwningAndFins;
    const ExpectedMatrix expected = ExpectedMatrixReport(
        case_, {
                   "L =  0.8   H =  4   h =  3   h' =  0.5   W =  2   W' =  1.5 ",
                   "B = 0.2   C = 0.75   D = 0.4   E = 0.125",
                   "L =  .8  H =  4  h =  3  h' =  .5  W =  2  W' =  1.5",
                   "B = 0.2   C = 0.75   D=0.4   E=0.125",
                   "F = -0.25   G = -0.125   R = -0.625   Geometry: Awning and fins",
               });

    EXPECT_EQ(AppendReport(), expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
}

TEST_F(MatrixReportTest, EmptyCaseTextKeepsTheLabelWithItsBlank) {
    case_.output.geomCaseText.clear();
    const ExpectedMatrix expected = ExpectedMatrixReport(case_, DefaultMatrixLines);

    EXPECT_EQ(AppendReport(), expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
}

TEST_F(MatrixReportTest, TheModeWritesItsDataFilesAfterTheReport) {
    const ExpectedMatrix expected = ExpectedMatrixReport(case_, DefaultMatrixLines);

    EXPECT_EQ(RunMatrixMode(case_).text, expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
    EXPECT_EQ(FolderContents(),
              (std::set<std::string>{"Umbravel.prt", "AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT",
                                     "AWNONLY4.DAT", "AWNONLY5.DAT"}));
}

// Every sweep and pass runs before anything is written: a failing ground pass leaves the print
// file as it was and writes no data file.
TEST_F(MatrixReportTest, AwningBelowTheWindowTouchesNoFile) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "earlier\r\n");
    case_.dimensions = GeometryOf(3, 2, 3, 4, -2, 1);

    EXPECT_THROW(RunMatrixMode(case_), ProgramStop);
    EXPECT_EQ(PrintFile(), "earlier\r\n");
    EXPECT_EQ(FolderContents(), std::set<std::string>{"Umbravel.prt"});
}

TEST_F(MatrixReportTest, MissingDataFolderIsAnUnexpectedErrorNamingTheFile) {
    case_.output.dataPath = folder_.Slash() + "missing/";
    try {
        AppendReport();
        ADD_FAILURE() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(case_.output.dataPath + "Umbravel.prt"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(MatrixReportTest, CaptionsReadTheClock) {
    EXPECT_EQ(MatrixDateCaption(), "Date: 12-08-2026");
    EXPECT_EQ(MatrixTimeCaption(), "Time: 13:05:09");
}

}  // namespace
