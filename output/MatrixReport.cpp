#include "output/MatrixReport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/FractionRange.h"
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

std::string Ratio(double value) {
    return PatternText(value, RatioPattern);
}

// The section and the screen text of one case's results.
struct Report {
    const ShadingCase& c;
    const MatrixResults& r;

    // Dimensions in the given number form: print items for the file, captions for the screen.
    std::string DimensionsLine(std::string (*number)(double)) const {
        const ShadeGeometryRecord& g = c.dimensions;
        return "L = " + number(g.L) + "  H = " + number(g.H) + "  h = " + number(g.Lh) +
               "  h' = " + number(g.LhP) + "  W = " + number(g.W) + "  W' = " + number(g.WP);
    }

    std::string SecondRatiosLine() const {
        const ShadeGeometryRecord& g = c.dimensions;
        return "F = " + Ratio(g.F) + "   G = " + Ratio(g.G) + "   R = " + Ratio(g.R) +
               "   Geometry: " + std::string(NamesOf(c.geometry).caption);
    }

    std::string AzimuthLabels() const {
        std::string labels = PatternText(Degrees(r.report.azimuths[0]), " 000.0");
        for (std::size_t j = 1; j < r.report.azimuths.size(); ++j) {
            labels += PatternText(Degrees(r.report.azimuths[j]), "    000.0");
        }
        return labels;
    }

    std::string TableRow(std::size_t i, std::string_view firstCellPattern) const {
        std::string row = PatternText(Degrees(r.report.altitudes[i]), "00.0 deg") +
                          PatternText(r.report.usf[i][0], firstCellPattern);
        for (std::size_t j = 1; j < r.report.usf[i].size(); ++j) {
            row += PatternText(r.report.usf[i][j], CellPattern);
        }
        return row;
    }

    double SkyDirections() const { return r.diffuse.steps * r.diffuse.steps; }

    double GroundDirections() const { return (r.diffuse.steps - 1) * r.diffuse.steps; }

    void WriteSweepLines(PrintChannel& file) const {
        const ShadeGeometryRecord& g = c.dimensions;
        file.Print({"UMBRAVEL VERSION 3.0 -- BEAM MATRIX RESULTS"});
        file.Print({DateTimeLine()});
        file.Print({});
        file.Print({DimensionsLine(PrintItemText)});
        file.Print({RatioLegend});
        file.Print({"B = " + Ratio(g.B) + "   C = " + Ratio(g.C) + "   D = " + Ratio(g.D) +
                    "   E = " + Ratio(g.E)});
        file.Print({SecondRatiosLine()});
        file.Print({"Output files directory:"});
        file.Print({"       ", c.output.dataPath});
        file.Print({"Geometry Case: ", c.output.geomCaseText});
        file.Print({});
        file.Print({TableTitle});
        file.Print({});
        file.Print({"AZIMUTH->   ", AzimuthLabels()});
        file.Print({"ALTITUDE      deg      deg      deg      deg      deg      deg      deg"});
        for (std::size_t i = 0; i < r.report.altitudes.size(); ++i) {
            file.Print({TableRow(i, FileFirstCellPattern)});
        }
        // Separator: a line feed, blanks up to the next print zone, a carriage return.
        file.Print({"\n", Sep::Zone, "\r"});
    }

    void WriteDiffuseLines(PrintChannel& file) const {
        file.Print({"Total number of directions in the sky = ", SkyDirections()});
        file.Print({SkyResultFrame});
        file.Print({"SKY-ONLY DIFFUSE UNSHADED FRACTION = " +
                    PatternText(r.diffuse.skyUSF, DiffusePattern)});
        if (r.diffuse.physical && OutsideUnitRange(r.diffuse.skyUSF)) {
            file.Print({"Physically weighted sky factor = " +
                        PatternText(r.diffuse.physical->sky, DiffusePattern)});
        }
        file.Print({SkyResultFrame});
        file.Print({});
        file.Print({"Total number of directions from the ground = ", GroundDirections()});
        file.Print({GroundResultFrame});
        file.Print({"GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " +
                    PatternText(r.diffuse.groundUSF, DiffusePattern)});
        if (r.diffuse.physical && OutsideUnitRange(r.diffuse.groundUSF)) {
            file.Print({"Physically weighted ground factor = " +
                        PatternText(r.diffuse.physical->ground, DiffusePattern)});
        }
        file.Print({AlbedoNote});
        file.Print({GroundResultFrame});
        file.Print({});
        file.Print({SectionEndLine});
    }

    std::string SweepText() const {
        const ShadeGeometryRecord& g = c.dimensions;
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
        AddLine(text, "       " + c.output.dataPath);
        AddLine(text, "Geometry Case: " + c.output.geomCaseText);
        AddLine(text, TableTitle);
        AddLine(text, "");
        AddLine(text, std::string(ScreenAzimuthLead) + AzimuthLabels());
        AddLine(text, ScreenUnitRow);
        for (std::size_t i = 0; i < r.report.altitudes.size(); ++i) {
            AddLine(text, TableRow(i, ScreenFirstCellPattern));
        }
        AddLine(text, "");
        return text;
    }

    std::string DiffuseText() const {
        std::string text;
        AddLine(text, "Total number of directions in the sky = " +
                          PatternText(SkyDirections(), CountPattern));
        AddLine(text, SkyResultFrame);
        AddLine(text, "SKY-ONLY DIFFUSE UNSHADED FRACTION = " +
                          PatternText(r.diffuse.skyUSF, DiffusePattern));
        AddLine(text, SkyResultFrame);
        AddLine(text, "");
        AddLine(text, "Total number of directions from the ground = " +
                          PatternText(GroundDirections(), CountPattern));
        AddLine(text, GroundResultFrame);
        AddLine(text, "GROUND REFLECTED DIFFUSE UNSHADED FRACTION = " +
                          PatternText(r.diffuse.groundUSF, DiffusePattern));
        AddLine(text, AlbedoNote);
        AddLine(text, GroundResultFrame);
        return text;
    }
};

}  // namespace

std::string MatrixDateCaption() {
    return "Date: " + DateText();
}

std::string MatrixTimeCaption() {
    return "Time: " + TimeText();
}

void AppendMatrixSection(const ShadingCase& c, const MatrixResults& r) {
    WriteStagedFile(c.output.PrintFilePath(), StagedFiles::Kind::Append,
                    [&](PrintChannel& file) { WriteMatrixSection(file, c, r); });
}

void WriteMatrixSection(PrintChannel& file, const ShadingCase& c, const MatrixResults& r) {
    const Report report{c, r};
    report.WriteSweepLines(file);
    report.WriteDiffuseLines(file);
}

std::string MatrixResultsText(const ShadingCase& c, const MatrixResults& r) {
    const Report report{c, r};
    return report.SweepText() + report.DiffuseText();
}
