#include "output/MatrixReport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/FractionRange.h"
#include "model/mduUmbravel.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/BeamMatrixSweep.h"
#include "output/OutputFiles.h"
#include "output/ReportLines.h"

using namespace mduUmbravel;

namespace {

constexpr std::string_view RatioPattern = "#0.###";
constexpr std::string_view DiffusePattern = "0.######";
constexpr std::string_view CountPattern = "####0";
constexpr std::string_view CellPattern = "    0.000";
// The screen text sets its first fraction column further off the altitude than the file does;
// its headings move with it, so that each azimuth and "deg" stands over its column.
constexpr std::string_view FileFirstCellPattern = "     0.000";
constexpr std::string_view ScreenFirstCellPattern = "        0.000";
constexpr std::string_view ScreenAzimuthLead = "AZIMUTH->      ";
constexpr std::string_view ScreenUnitRow =
    "Altitude         deg      deg      deg      deg      deg      deg      deg";

constexpr std::string_view RatioLegend =
    "B = L/H  C = h/H  D = L/W  E = h'/H  F = delta W/W  R = delta W/L  G = delta W/H";
constexpr std::string_view TableTitle =
    "UNSHADED FRACTION OF WINDOW AREA FOR VARIOUS SUN POSITIONS";
constexpr std::string_view AlbedoNote = "(Does not include ground reflectance [albedo].)";

void AddLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

double Degrees(double radians) {
    return radians * RadToDeg;
}

std::string DateTimeLine() {
    return "    DATE:" + DateText() + "    TIME:" + TimeText();
}

// Dimensions in the given number form: print items for the file, captions for the screen.
std::string DimensionsLine(std::string (*number)(double)) {
    const ShadeGeometryRecord& g = ShadeGeometry;
    return "L = " + number(g.L) + "  H = " + number(g.H) + "  h = " + number(g.Lh) +
           "  h' = " + number(g.LhP) + "  W = " + number(g.W) + "  W' = " + number(g.WP);
}

std::string Ratio(double value) {
    return PatternText(value, RatioPattern);
}

std::string SecondRatiosLine() {
    const ShadeGeometryRecord& g = ShadeGeometry;
    return "F = " + Ratio(g.F) + "   G = " + Ratio(g.G) + "   R = " + Ratio(g.R) +
           "   Geometry: " + GeomModeName.at(GeomMode);
}

std::string AzimuthLabels() {
    std::string labels = PatternText(Degrees(MatrixAzimuths[0]), " 000.0");
    for (std::size_t j = 1; j < MatrixAzimuths.size(); ++j) {
        labels += PatternText(Degrees(MatrixAzimuths[j]), "    000.0");
    }
    return labels;
}

std::string TableRow(std::size_t i, std::string_view firstCellPattern) {
    std::string row = PatternText(Degrees(MatrixAltitudes[i]), "00.0 deg") +
                      PatternText(MatrixUSF[i][0], firstCellPattern);
    for (std::size_t j = 1; j < MatrixUSF[i].size(); ++j) {
        row += PatternText(MatrixUSF[i][j], CellPattern);
    }
    return row;
}

double SkyDirections() {
    return NAlt * NAzi;
}

double GroundDirections() {
    return (NAlt - 1) * NAzi;
}

void WriteSweepLines(PrintChannel& file) {
    const ShadeGeometryRecord& g = ShadeGeometry;
    file.Print({"UMBRAVEL VERSION 3.0 -- BEAM MATRIX RESULTS"});
    file.Print({DateTimeLine()});
    file.Print({});
    file.Print({DimensionsLine(PrintItemText)});
    file.Print({RatioLegend});
    file.Print({"B = " + Ratio(g.B) + "   C = " + Ratio(g.C) + "   D = " + Ratio(g.D) +
                "   E = " + Ratio(g.E)});
    file.Print({SecondRatiosLine()});
    file.Print({"Output files directory:"});
    file.Print({"       ", DataPath});
    file.Print({"Geometry Case: ", GeomCaseText});
    file.Print({});
    file.Print({TableTitle});
    file.Print({});
    file.Print({"AZIMUTH->   ", AzimuthLabels()});
    file.Print({"ALTITUDE      deg      deg      deg      deg      deg      deg      deg"});
    for (std::size_t i = 0; i < MatrixAltitudes.size(); ++i) {
        file.Print({TableRow(i, FileFirstCellPattern)});
    }
    // Separator: a line feed, blanks up to the next print zone, a carriage return.
    file.Print({"\n", Sep::Zone, "\r"});
}

void WriteDiffuseLines(PrintChannel& file) {
    file.Print({"Total number of directions in the sky = ", SkyDirections()});
    file.Print({SkyResultFrame});
    file.Print({"SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PatternText(SkyUSF, DiffusePattern)});
    file.Print({SkyResultFrame});
    file.Print({});
    file.Print({"Total number of directions from the ground = ", GroundDirections()});
    file.Print({GroundResultFrame});
    file.Print(
        {"GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " + PatternText(GroundUSF, DiffusePattern)});
    file.Print({AlbedoNote});
    file.Print({GroundResultFrame});
    file.Print({});
    file.Print({SectionEndLine});
}

std::string SweepText() {
    const ShadeGeometryRecord& g = ShadeGeometry;
    std::string text;
    AddLine(text, "AWNING SHADING ALGORITHM VERSION 3.0 -- BEAM MATRIX RESULTS");
    AddLine(text, DateTimeLine());
    AddLine(text, "");
    AddLine(text, DimensionsLine(SignedNumberText));
    AddLine(text, RatioLegend);
    AddLine(text, "B = " + Ratio(g.B) + "   C = " + Ratio(g.C) + "   D=" + Ratio(g.D) +
                      "   E=" + Ratio(g.E));
    AddLine(text, SecondRatiosLine());
    AddLine(text, "Output files directory:");
    AddLine(text, "       " + DataPath);
    AddLine(text, "Geometry Case: " + GeomCaseText);
    AddLine(text, TableTitle);
    AddLine(text, "");
    AddLine(text, std::string(ScreenAzimuthLead) + AzimuthLabels());
    AddLine(text, ScreenUnitRow);
    for (std::size_t i = 0; i < MatrixAltitudes.size(); ++i) {
        AddLine(text, TableRow(i, ScreenFirstCellPattern));
    }
    AddLine(text, "");
    return text;
}

std::string DiffuseText() {
    std::string text;
    AddLine(text, "Total number of directions in the sky = " +
                      PatternText(SkyDirections(), CountPattern));
    AddLine(text, SkyResultFrame);
    AddLine(text, "SKY-ONLY DIFFUSE UNSHADED FRACTION = " + PatternText(SkyUSF, DiffusePattern));
    AddLine(text, SkyResultFrame);
    AddLine(text, "");
    AddLine(text, "Total number of directions from the ground = " +
                      PatternText(GroundDirections(), CountPattern));
    AddLine(text, GroundResultFrame);
    AddLine(text, "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " +
                      PatternText(GroundUSF, DiffusePattern));
    AddLine(text, AlbedoNote);
    AddLine(text, GroundResultFrame);
    return text;
}

}  // namespace

std::string MatrixDateCaption() {
    return "Date: " + DateText();
}

std::string MatrixTimeCaption() {
    return "Time: " + TimeText();
}

std::string RunMatrixReport() {
    SweepBeamMatrix(MatrixReportRows, MatrixReportColumns);
    PrintChannel file(PrintFilePath(), PrintChannel::OpenMode::Append);
    WriteSweepLines(file);
    std::string text = SweepText();

    SetDiffuseGrid(MatrixDiffuseSteps);
    IntegrateSkyDiffuse();
    IntegrateGroundDiffuse();
    WriteDiffuseLines(file);
    file.Close();

    MatrixText = text + DiffuseText();
    return MatrixText;
}

bool MatrixReportOutsideUnitRange() {
    for (const std::vector<double>& row : MatrixUSF) {
        for (const double fraction : row) {
            if (OutsideUnitRange(fraction)) {
                return true;
            }
        }
    }
    return OutsideUnitRange(SkyUSF) || OutsideUnitRange(GroundUSF);
}
