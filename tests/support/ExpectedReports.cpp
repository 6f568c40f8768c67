#include "support/ExpectedReports.h"

#include <array>

#include "base/NumberText.h"
#include "model/PhysicalDiffuse.h"
#include "model/SkyDirection.h"
#include "modes/diffuse/DiffuseIntegration.h"

using namespace mduUmbravel;

namespace {

const double ToRad = 3.14159265358979 / 180;

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

// The fractions of the 25 x 7 report grid, evaluated from the grid's own definition.
std::vector<std::vector<double>> ReportGridFractions(const ShadingCase& c) {
    std::vector<std::vector<double>> usf(25, std::vector<double>(7));
    for (int i = 1; i <= 25; ++i) {
        const double alt = ((90.0 / 25) * (i - 1)) * ToRad;
        for (int j = 1; j <= 7; ++j) {
            const double azi = j == 1 ? 0.00001 : ((90.0 / 7) * (j - 1)) * ToRad;
            usf[i - 1][j - 1] = EvaluateSkyDirection(c.dimensions, alt, azi, c.GeomMode()).usf;
        }
    }
    return usf;
}

// "00.0 deg", "03.6 deg", ... "86.4 deg" for rows 1 to 25.
std::string ReportAltitudeLabel(int row) {
    const int tenths = 36 * (row - 1);
    return (tenths < 100 ? "0" : "") + std::to_string(tenths / 10) + "." +
           std::to_string(tenths % 10) + " deg";
}

std::vector<std::string> TableRows(const ShadingCase& c, const std::string& firstCellPattern) {
    const auto usf = ReportGridFractions(c);
    std::vector<std::string> rows;
    for (int i = 1; i <= 25; ++i) {
        std::string row = ReportAltitudeLabel(i) + PatternText(usf[i - 1][0], firstCellPattern);
        for (int j = 2; j <= 7; ++j)
            row += PatternText(usf[i - 1][j - 1], "    0.000");
        rows.push_back(row);
    }
    return rows;
}

// The five azimuths as print items: a tiny angle standing in for the normal, then whole degrees.
const std::array<std::string, 5> AzimuthItems = {" 0.000572957795130824 ", " 20 ", " 40 ", " 60 ",
                                                 " 80 "};

}  // namespace

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string DataAltitudeLabel(int row) {
    const int hundredths = 450 * (row - 1);
    const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return twoDigits(hundredths / 100) + "." + twoDigits(hundredths % 100);
}

std::string ExpectedDefaultBeamSection() {
    const std::string header =
        "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY";
    return CrLfLines({
        "UMBRAVEL 3.0 Beam Solar Unshaded Fraction",
        "Date: 12-08-2026         Time: 13:05:09",
        header,
        "Dimensions: " + header,
        "Geometry case: Default Dimensions",
        "Solar altitude angle:   30 deg",
        "Solar Azimuth  .0001 deg, relative to the window",
        "Calculated Unshaded Fraction of Window Area for Direct Beam",
        "",
        "Unshaded fraction (USF) = 0.31699",
        "",
        "Shadow Case ID: CASE 1A",
        "",
        std::string(82, '='),
    });
}

const DiffuseInputLines DefaultDiffuseInputs = {
    "    L= 3   H= 4   h= 3   h'= 1   W= 2  W'= 3 ",
    "    B= 0.75   C= 0.75   D= 1.5   E= 0.25 ",
    "    F= 0.5   G= 0.25   R= 0.333333333333333  Geometry: Awning only",
};

// The physically weighted factor's line after a diffuse fraction outside 0 to 1, in the number
// form of that fraction's line.
std::vector<std::string> PhysicalLine(const ShadingCase& c, const char* component, double usf,
                                      std::string (*number)(double)) {
    if (usf >= 0 && usf <= 1)
        return {};
    const PhysicalDiffuseFactors f = PhysicalDiffuse(DeviceShapeOf(c));
    return {std::string("Physically weighted ") + component +
            " factor = " + number(std::string_view(component) == "sky" ? f.sky : f.ground)};
}

std::string DiffusePatternText(double x) {
    return PatternText(x, "0.######");
}

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

std::string ExpectedDiffuseUpToSkyCounts(const ShadingCase& c, const DiffuseShading& d,
                                         const DiffuseInputLines& inputs) {
    return CrLfLines(
        Joined({{"UMBRAVEL Version 3.0  --  DIFFUSE RADIATION",
                 "DATE:12-08-2026    TIME:13:05:09",
                 c.output.headerText,
                 "INPUT VALUES:",
                 inputs.dimensions,
                 "    B=L/H  C=h/H  D=L/W  E=h'/H  F=delta W/W  R=delta W/L  G=delta W/H",
                 inputs.ratios,
                 inputs.moreRatios,
                 "    Geometry Case: " + c.output.geomCaseText,
                 "Output files directory: ",
                 "    " + c.output.dataPath,
                 "DISCRETIZATION:",
                 "    For Alt going from 0 to  85.5 degrees",
                 "    in steps of  4.5  deg and Azi going from 0 to ",
                 "    90 deg in steps of  4.5  deg.",
                 "    Constant sky radiance assumed.",
                 "    (i goes from 1 to 20  and j goes from 1 to 20 ",
                 "",
                 "Total number of directions in the sky =  400 ",
                 "************************************************",
                 "SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PrintItemText(d.skyUSF)},
                PhysicalLine(c, "sky", d.skyUSF, PrintItemText),
                {"************************************************",
                 "     DISTRIBUTION OF OCCURENCES OF SKY-ONLY ALGORITHM CASES:",
                 "      I       IA     II     IIA     III     IVA     IVB     IVC     V    NONE",
                 CountRow(d.skyCaseCount)}}));
}

std::string ExpectedDiffuseFromGroundPass(const ShadingCase& c, const DiffuseShading& d) {
    return CrLfLines(Joined(
        {{"", "Total number of directions from the ground =  380 ",
          "********************************************************",
          "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " + PrintItemText(d.groundUSF)},
         PhysicalLine(c, "ground", d.groundUSF, PrintItemText),
         {
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
             CountRow(d.groundCaseCount),
             "\n             \r",
             "==================================================================================",
         }}));
}

std::string ExpectedDiffuseSection(const ShadingCase& c, const DiffuseInputLines& inputs) {
    const DiffuseShading d = EvaluateDiffuse(c.dimensions, c.GeomMode(), 20);
    return ExpectedDiffuseUpToSkyCounts(c, d, inputs) + ExpectedDiffuseFromGroundPass(c, d);
}

const MatrixGeometryLines DefaultMatrixLines = {
    "L =  3   H =  4   h =  3   h' =  1   W =  2   W' =  3 ",
    "B = 0.75   C = 0.75   D = 1.5   E = 0.25",
    "L =  3  H =  4  h =  3  h' =  1  W =  2  W' =  3",
    "B = 0.75   C = 0.75   D=1.5   E=0.25",
    "F = 0.5   G = 0.25   R = 0.333   Geometry: Awning only",
};

std::string ExpectedMatrixSectionUpToTable(const ShadingCase& c, const MatrixGeometryLines& lines) {
    std::vector<std::string> section = {
        "UMBRAVEL VERSION 3.0 -- BEAM MATRIX RESULTS",
        "    DATE:12-08-2026    TIME:13:05:09",
        "",
        lines.fileDimensions,
        "B = L/H  C = h/H  D = L/W  E = h'/H  F = delta W/W  R = delta W/L  G = delta W/H",
        lines.fileRatios,
        lines.moreRatios,
        "Output files directory:",
        "       " + c.output.dataPath,
        "Geometry Case: " + c.output.geomCaseText,
        "",
        "UNSHADED FRACTION OF WINDOW AREA FOR VARIOUS SUN POSITIONS",
        "",
        "AZIMUTH->    000.0    012.9    025.7    038.6    051.4    064.3    077.1",
        "ALTITUDE      deg      deg      deg      deg      deg      deg      deg",
    };
    for (const std::string& row : TableRows(c, "     0.000"))
        section.push_back(row);
    section.push_back("\n             \r");
    return CrLfLines(section);
}

ExpectedMatrix ExpectedMatrixReport(const ShadingCase& c, const MatrixGeometryLines& lines) {
    ExpectedMatrix expected;
    expected.section = ExpectedMatrixSectionUpToTable(c, lines);

    std::vector<std::string> screen = {
        "AWNING SHADING ALGORITHM VERSION 3.0 -- BEAM MATRIX RESULTS",
        "    DATE:12-08-2026    TIME:13:05:09",
        "",
        lines.screenDimensions,
        "B = L/H  C = h/H  D = L/W  E = h'/H  F = delta W/W  R = delta W/L  G = delta W/H",
        lines.screenRatios,
        lines.moreRatios,
        "Output files directory:",
        "       " + c.output.dataPath,
        "Geometry Case: " + c.output.geomCaseText,
        "UNSHADED FRACTION OF WINDOW AREA FOR VARIOUS SUN POSITIONS",
        "",
        "AZIMUTH->       000.0    012.9    025.7    038.6    051.4    064.3    077.1",
        "Altitude         deg      deg      deg      deg      deg      deg      deg",
    };
    for (const std::string& row : TableRows(c, "        0.000"))
        screen.push_back(row);
    screen.push_back("");

    const DiffuseShading d = EvaluateDiffuse(c.dimensions, c.GeomMode(), 25);
    const std::string sky =
        "SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PatternText(d.skyUSF, "0.######");
    const std::string ground =
        "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " + PatternText(d.groundUSF, "0.######");
    const std::string skyFrame(48, '*'), groundFrame(56, '*');
    const std::string albedo = "(Does not include ground reflectance [albedo].)";

    expected.section +=
        CrLfLines(Joined({{
                              "Total number of directions in the sky =  625 ",
                              skyFrame,
                              sky,
                          },
                          PhysicalLine(c, "sky", d.skyUSF, DiffusePatternText),
                          {
                              skyFrame,
                              "",
                              "Total number of directions from the ground =  600 ",
                              groundFrame,
                              ground,
                          },
                          PhysicalLine(c, "ground", d.groundUSF, DiffusePatternText),
                          {
                              albedo,
                              groundFrame,
                              "",
                              std::string(82, '='),
                          }}));
    expected.screen = CrLfLines(screen) + CrLfLines({
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

std::string ExpectedMatrixDataFile(const ShadingCase& c, int k, const std::string& geometry,
                                   const std::string& dimensions, const std::string& skyAndGround) {
    std::vector<std::string> lines = {
        "Umbravel program for shading Geometry: " + geometry,
        "These curves are for: " + c.output.headerText + " Run date: 12-08-2026",
        "Diffuse sky USF=" + skyAndGround,
        "using number of points:  100 ",
        dimensions,
        "BEAM Unshaded Fraction Values for Azimuth angle: " + AzimuthItems[k - 1] + " degrees",
        "Altitude  USF      Azimuth = " + AzimuthItems[k - 1] + " deg",
    };
    const double azi = k == 1 ? 0.00001 : ToRad * (20 * (k - 1));
    for (int i = 1; i <= 20; ++i) {
        const double alt = ((90.0 / 20) * (i - 1)) * ToRad;
        const double usf = EvaluateSkyDirection(c.dimensions, alt, azi, c.GeomMode()).usf;
        lines.push_back(DataAltitudeLabel(i) + PatternText(usf, "     0.#####"));
    }
    return CrLfLines(lines);
}
