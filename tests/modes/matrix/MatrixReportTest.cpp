#include "modes/matrix/MatrixReport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/Faults.h"
#include "model/SkyDirection.h"
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

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The fractions of the 25 x 7 report grid, evaluated here from the grid's own definition.
std::vector<std::vector<double>> ReportGridFractions() {
    const double toRad = 3.14159265358979 / 180;
    std::vector<std::vector<double>> usf(25, std::vector<double>(7));
    for (int i = 1; i <= 25; ++i) {
        const double alt = ((90.0 / 25) * (i - 1)) * toRad;
        for (int j = 1; j <= 7; ++j) {
            const double azi = j == 1 ? 0.00001 : ((90.0 / 7) * (j - 1)) * toRad;
            usf[i - 1][j - 1] = EvaluateSkyDirection(ShadeGeometry, alt, azi, GeomMode).usf;
        }
    }
    return usf;
}

// "00.0 deg", "03.6 deg", ... "86.4 deg" for rows 1 to 25.
std::string AltitudeLabel(int row) {
    const int tenths = 36 * (row - 1);
    return (tenths < 100 ? "0" : "") + std::to_string(tenths / 10) + "." +
           std::to_string(tenths % 10) + " deg";
}

std::vector<std::string> TableRows(const std::vector<std::vector<double>>& usf,
                                   const std::string& firstCellPattern) {
    std::vector<std::string> rows;
    for (int i = 1; i <= 25; ++i) {
        std::string row = AltitudeLabel(i) + PatternText(usf[i - 1][0], firstCellPattern);
        for (int j = 2; j <= 7; ++j)
            row += PatternText(usf[i - 1][j - 1], "    0.000");
        rows.push_back(row);
    }
    return rows;
}

// Lines 4, 6 and 7 of the section and of the screen text for the geometry under test.
struct GeometryLines {
    std::string fileDimensions, fileRatios, screenDimensions, screenRatios, moreRatios;
};

const GeometryLines DefaultLines = {
    "L =  3   H =  4   h =  3   h' =  1   W =  2   W' =  3 ",
    "B = 0.75   C = 0.75   D = 1.5   E = 0.25",
    "L =  3  H =  4  h =  3  h' =  1  W =  2  W' =  3",
    "B = 0.75   C = 0.75   D=1.5   E=0.25",
    "F = 0.5   G = 0.25   R = 0.333   Geometry: Awning only",
};

struct Expected {
    std::string section, screen;
};

class MatrixReportTest : public testing::Test {
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

    // Section lines 1 to 41 with the table evaluated here.
    std::string ExpectedSectionUpToTable(const GeometryLines& lines) const {
        std::vector<std::string> section = {
            "UMBRAVEL VERSION 3.0 -- BEAM MATRIX RESULTS",
            "    DATE:12-08-2026    TIME:13:05:09",
            "",
            lines.fileDimensions,
            "B = L/H  C = h/H  D = L/W  E = h'/H  F = delta W/W  R = delta W/L  G = delta W/H",
            lines.fileRatios,
            lines.moreRatios,
            "Output files directory:",
            "       " + folder_.Slash(),
            "Geometry Case: " + GeomCaseText,
            "",
            "UNSHADED FRACTION OF WINDOW AREA FOR VARIOUS SUN POSITIONS",
            "",
            "AZIMUTH->    000.0    012.9    025.7    038.6    051.4    064.3    077.1",
            "ALTITUDE      deg      deg      deg      deg      deg      deg      deg",
        };
        for (const std::string& row : TableRows(ReportGridFractions(), "     0.000")) {
            section.push_back(row);
        }
        section.push_back("\n             \r");
        return Lines(section);
    }

    // Runs the 25-step diffuse passes here for the values of the closing lines.
    Expected ExpectedReport(const GeometryLines& lines) const {
        Expected expected;
        expected.section = ExpectedSectionUpToTable(lines);

        std::vector<std::string> screen = {
            "AWNING SHADING ALGORITHM VERSION 3.0 -- BEAM MATRIX RESULTS",
            "    DATE:12-08-2026    TIME:13:05:09",
            "",
            lines.screenDimensions,
            "B = L/H  C = h/H  D = L/W  E = h'/H  F = delta W/W  R = delta W/L  G = delta W/H",
            lines.screenRatios,
            lines.moreRatios,
            "Output files directory:",
            "       " + folder_.Slash(),
            "Geometry Case: " + GeomCaseText,
            "UNSHADED FRACTION OF WINDOW AREA FOR VARIOUS SUN POSITIONS",
            "",
            "AZIMUTH->  000.0    012.9    025.7    038.6    051.4    064.3    077.1",
            "Altitude            deg      deg      deg      deg       deg      deg      deg",
        };
        for (const std::string& row : TableRows(ReportGridFractions(), "        0.000")) {
            screen.push_back(row);
        }
        screen.push_back("");

        SetDiffuseGrid(25);
        IntegrateSkyDiffuse();
        IntegrateGroundDiffuse();
        const std::string sky =
            "SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PatternText(SkyUSF, "0.######");
        const std::string ground =
            "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " + PatternText(GroundUSF, "0.######");
        const std::string skyFrame(48, '*'), groundFrame(56, '*');
        const std::string albedo = "(Does not include ground reflectance [albedo].)";

        expected.section += Lines({
            "Total number of directions in the sky =  625 ",
            skyFrame,
            sky,
            skyFrame,
            "",
            "Total number of directions from the ground =  600 ",
            groundFrame,
            ground,
            albedo,
            groundFrame,
            "",
            std::string(82, '='),
        });
        expected.screen = Lines(screen) + Lines({
                                              "Total number of directions in the sky = 625",
                                              skyFrame,
                                              sky,
                                              skyFrame,
                                              "",
                                              "Total number of directions from the ground = 600",
                                              groundFrame,
                                              ground,
                                              albedo,
                                              groundFrame,
                                          });
        return expected;
    }

    // Leaves no table or diffuse grid behind that the run could use in place of its own.
    static void ForgetEarlierResults() {
        MatrixAltitudes.clear();
        MatrixAzimuths.clear();
        MatrixUSF.clear();
        NAlt = NAzi = 20;
        SkyUSF = GroundUSF = -1;
        MatrixText = "earlier text";
    }

    TempFolder folder_;
};

TEST_F(MatrixReportTest, DefaultGeometryAppendsTheSectionAndStoresTheScreenText) {
    WriteBytes(folder_.Path() / "Umbravel.prt", "\r\n");
    const Expected expected = ExpectedReport(DefaultLines);
    ForgetEarlierResults();

    const std::string text = RunMatrixReport();
    EXPECT_EQ(PrintFile(), "\r\n" + expected.section);
    EXPECT_EQ(text, expected.screen);
    EXPECT_EQ(MatrixText, expected.screen);
}

TEST_F(MatrixReportTest, SmallAndNegativeValuesInBothNumberForms) {
    StoreGeometry(0.8, 2, 1.5, 4, 3, 0.5);
    GeomMode = 3;
    const Expected expected = ExpectedReport({
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
    const Expected expected = ExpectedReport(DefaultLines);

    EXPECT_EQ(RunMatrixReport(), expected.screen);
    EXPECT_EQ(PrintFile(), expected.section);
}

TEST_F(MatrixReportTest, AwningBelowTheWindowKeepsTheSectionUpToTheTableAndNoDataFile) {
    StoreGeometry(3, 2, 3, 4, -2, 1);
    GeometryLines lines = DefaultLines;
    lines.fileDimensions = "L =  3   H =  4   h = -2   h' =  1   W =  2   W' =  3 ";
    lines.fileRatios = "B = 0.75   C = -0.5   D = 1.5   E = 0.25";
    const std::string upToTable = ExpectedSectionUpToTable(lines);

    EXPECT_THROW(RunMatrixReport(), ProgramStop);
    EXPECT_EQ(PrintFile(), upToTable);
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
        EXPECT_EQ(entry.path().filename(), "Umbravel.prt");
    }
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
