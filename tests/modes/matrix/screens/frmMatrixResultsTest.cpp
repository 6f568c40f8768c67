#include <QChartView>
#include <QLineSeries>
#include <QString>
#include <filesystem>
#include <string>

#include "base/NumberText.h"
#include "modes/matrix/MatrixCalculation.h"
#include "modes/matrix/screens/MatrixChart.h"
#include "screens/kit/mduUmbravel.h"
#include "support/ExpectedReports.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

const std::string DefaultDataDimensions = "L= 3  H= 4  h= 3  h'= 1  W= 2  W'= 3 ";

class frmMatrixResultsTest : public WizardFixture {
  protected:
    std::string Data(const std::string& name) const { return ReadBytes(DataFolder() + name); }
    std::string PrintFile() const { return Data("Umbravel.prt"); }

    // Compares the section, the screen text and the five data files of the run just made.
    void ExpectRun(const MatrixGeometryLines& lines, const std::string& filePrefix,
                   const std::string& geometryName, const std::string& printedBefore) {
        const ShadingCase c = CurrentCase();
        const ExpectedMatrix expected = ExpectedMatrixReport(c, lines);
        EXPECT_EQ(PrintFile(), printedBefore + expected.section);
        EXPECT_EQ(Text("frmMatrixResults", "txtMatrixResults"),
                  QString::fromStdString(expected.screen).replace("\r\n", "\n").toStdString());
        const DiffuseShading d = EvaluateMatrix(c).diffuse;
        const std::string diffuse =
            PrintItemText(d.skyUSF) + " Ground reflected USF=" + PrintItemText(d.groundUSF);
        for (int k = 1; k <= 5; ++k) {
            const std::string name = filePrefix + std::to_string(k) + ".DAT";
            EXPECT_EQ(Data(name),
                      ExpectedMatrixDataFile(c, k, geometryName, DefaultDataDimensions, diffuse))
                << name;
        }
    }
};

TEST_F(frmMatrixResultsTest, SideFinsWriteTheirFilesAndLeaveTheAwningFilesOfAnEarlierRun) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "optMatrix");
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmMatrixResults"});
    EXPECT_EQ(Text("frmMatrixResults", "lblDate"), "Date: 12-08-2026");
    EXPECT_EQ(Text("frmMatrixResults", "lblTime"), "Time: 13:05:09");
    EXPECT_EQ(Text("frmMatrixResults", "lblDimen"),
              "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY");
    ExpectRun(DefaultMatrixLines, "AWNONLY", "Awning only", "\r\n");
    const std::string awningFile = Data("AWNONLY3.DAT");
    const std::string afterFirst = PrintFile();

    Click("frmMatrixResults", "cmdNewGeom");
    Calculate("optGeom2", "optMatrix");
    MatrixGeometryLines finLines = DefaultMatrixLines;
    finLines.moreRatios = "F = 0.5   G = 0.25   R = 0.333   Geometry: Side fins only";
    ExpectRun(finLines, "SIDEFIN", "Side fins only", afterFirst);
    EXPECT_EQ(Data("AWNONLY3.DAT"), awningFile);
    EXPECT_FALSE(std::filesystem::exists(DataFolder() + "AWN&FIN1.DAT"));
    EXPECT_TRUE(messages.empty());
}

struct GeometryChoice {
    const char* option;
    const char* dataFiles;
};

class frmMatrixResultsFinishTest : public frmMatrixResultsTest,
                                   public ::testing::WithParamInterface<GeometryChoice> {};

TEST_P(frmMatrixResultsFinishTest, EnterFinishesAndTheClosingScreenNamesTheDataFiles) {
    WalkTo("frmGeomChoice");
    Calculate(GetParam().option, "optMatrix");
    PressKey("frmMatrixResults", Qt::Key_Return);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmSaved"});
    EXPECT_EQ(Text("frmSaved", "lblDataFiles"), GetParam().dataFiles);
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeometry, frmMatrixResultsFinishTest,
    ::testing::Values(
        GeometryChoice{"optGeom1",
                       "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT   AWNONLY4.DAT    AWNONLY5.DAT"},
        GeometryChoice{"optGeom2",
                       "SIDEFIN1.dat  SIDEFIN2.DAT  SIDEFIN3.DAT   SIDEFIN4.DAT    SIDEFIN5.DAT"},
        GeometryChoice{"OptGeom3",
                       "AWN&FIN1.dat  AWN&FIN2.DAT  AWN&FIN3.DAT   AWN&FIN4.DAT    AWN&FIN5.DAT"}),
    [](const auto& info) { return std::string(info.param.option); });

TEST_F(frmMatrixResultsTest, NewGeomModeAndNewSourceModeMoveOnAndWriteNothing) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "optMatrix");
    const std::string written = PrintFile();
    Click("frmMatrixResults", "cmdPrevious");
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmSourceMode"});
    Click("frmSourceMode", "optMatrix");
    Click("frmSourceMode", "cmdCalculate");
    Click("frmMatrixResults", "cmdNewGeom");
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});
    const std::string section = written.substr(2);
    EXPECT_EQ(PrintFile(), written + section);
}

// Every sweep and pass runs before anything is written, so the stop leaves every file as it was.
TEST_F(frmMatrixResultsTest, TheAwningStopWritesNothing) {
    // The dimensions screen refuses this awning; a geometry stored past it still meets the stop.
    WalkTo("frmSourceMode");
    ShadeGeometry.Lh = -2;
    ShadeGeometry = WithRatios(ShadeGeometry);
    Click("frmSourceMode", "optMatrix");
    Click("frmSourceMode", "cmdCalculate");
    EXPECT_EQ(messages,
              std::vector<std::string>{"AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW."});
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens().count("frmMatrixResults"), 0u);
    EXPECT_EQ(PrintFile(), "\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder())) {
        EXPECT_EQ(entry.path().filename(), "Umbravel.prt");
    }
}

// The chart has one line per azimuth of the table, and saves itself as PNG or SVG with a
// caption that names the device and its dimensions.
TEST_F(frmMatrixResultsTest, TheChartShowsTheTablesSweepAndSavesItsCaptionedPicture) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "optMatrix");
    const QList<QAbstractSeries*> lines =
        Find<QChartView>("frmMatrixResults", "chtMatrix")->chart()->series();
    const BeamMatrix table = EvaluateMatrix(CurrentCase()).report;
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(table.azimuths.size()));
    for (QAbstractSeries* line : lines)
        EXPECT_EQ(static_cast<QLineSeries*>(line)->count(),
                  static_cast<int>(table.altitudes.size()));
    EXPECT_EQ(static_cast<QLineSeries*>(lines[2])->at(1).y(), table.usf[1][2]);
    EXPECT_EQ(lines[1]->name().toStdString(),
              QString("%1\u00b0").arg(table.azimuths[1] * RadToDeg, 0, 'f', 1).toStdString());

    auto* chart = Screen("frmMatrixResults")->findChild<MatrixChart*>();
    ASSERT_NE(chart, nullptr);
    for (const char* name : {"chart.png", "chart.svg"}) {
        const auto path = std::filesystem::path(DataFolder()) / name;
        EXPECT_TRUE(chart->SavePicture(QString::fromStdString(path.string()))) << name;
        EXPECT_GT(std::filesystem::file_size(path), 1000u) << name;
    }
    const std::string svg = ReadBytes(std::filesystem::path(DataFolder()) / "chart.svg");
    EXPECT_NE(svg.find("Geometry: Awning only, as drawn"), std::string::npos);
    EXPECT_NE(svg.find("window width W = 2"), std::string::npos);
}

}  // namespace
