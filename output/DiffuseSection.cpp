#include "output/DiffuseSection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/FractionRange.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "output/ReportLines.h"

using namespace mduUmbravel;

namespace {

// Both case tables share their first tab stops, so each count stands under its heading.
constexpr std::array<int, 10> CaseTableColumns = {6, 14, 21, 28, 36, 44, 52, 60, 68, 74};
constexpr std::array<std::string_view, 10> SkyCaseLabels = {" I",   " IA",  " II",  " IIA", " III",
                                                            " IVA", " IVB", " IVC", " V",   "NONE"};
constexpr std::array<std::string_view, 6> GroundCaseLabels = {" 6",  " 6A", " 7",
                                                              " 7A", " 8",  "NONE"};

// Each heading and each count goes to its tab stop; one statement per item lets a row have any
// length.
template <std::size_t N>
void PrintHeadingRow(PrintChannel& file, const std::array<std::string_view, N>& labels) {
    for (std::size_t k = 0; k < N; ++k) {
        file.Print({Tab{CaseTableColumns[k]}, labels[k], Sep::Join});
    }
    file.Print({});
}

template <std::size_t N>
void PrintCountRow(PrintChannel& file, const std::array<int, N>& counts) {
    for (std::size_t k = 0; k < N; ++k) {
        file.Print({Tab{CaseTableColumns[k]}, static_cast<double>(counts[k]), Sep::Join});
    }
    file.Print({});
}

// The section of one case's results.
struct Section {
    const ShadingCase& c;
    const DiffuseShading& d;

    double AltitudeStep() const { return 90.0 / d.steps; }

    void WriteInputLines(PrintChannel& file) const {
        const ShadeGeometryRecord& g = c.dimensions;
        file.Print({"UMBRAVEL Version 3.0  --  DIFFUSE RADIATION"});
        file.Print({"DATE:", DateText(), "    TIME:", TimeText()});
        file.Print({c.output.headerText});
        file.Print({"INPUT VALUES:"});
        file.Print(
            {"    L=", g.L, "  H=", g.H, "  h=", g.Lh, "  h'=", g.LhP, "  W=", g.W, " W'=", g.WP});
        file.Print({"    B=L/H  C=h/H  D=L/W  E=h'/H  F=delta W/W  R=delta W/L  G=delta W/H"});
        file.Print({"    B=", g.B, "  C=", g.C, "  D=", g.D, "  E=", g.E});
        file.Print(
            {"    F=", g.F, "  G=", g.G, "  R=", g.R, " Geometry: ", NamesOf(c.geometry).caption});
        file.Print({"    Geometry Case: ", c.output.geomCaseText});
        file.Print({"Output files directory: "});
        file.Print({"    ", c.output.dataPath});
    }

    void WriteSkyGridLines(PrintChannel& file) const {
        file.Print({"DISCRETIZATION:"});
        file.Print({"    For Alt going from 0 to ", AltitudeStep() * (d.steps - 1), "degrees"});
        file.Print({"    in steps of ", AltitudeStep(), " deg and Azi going from 0 to "});
        file.Print({"    90 deg in steps of ", 90.0 / d.steps, " deg."});
        file.Print({"    Constant sky radiance assumed."});
        file.Print({"    (i goes from 1 to", static_cast<double>(d.steps), " and j goes from 1 to",
                    static_cast<double>(d.steps)});
    }

    void WriteSkyResultLines(PrintChannel& file) const {
        file.Print({});
        file.Print(
            {"Total number of directions in the sky = ", static_cast<double>(d.steps * d.steps)});
        file.Print({SkyResultFrame});
        file.Print({"SKY-ONLY DIFFUSE UNSHADED FRACTION = ", d.skyUSF});
        if (d.physical && OutsideUnitRange(d.skyUSF))
            file.Print({"Physically weighted sky factor = ", d.physical->sky});
        file.Print({SkyResultFrame});
        file.Print({"     DISTRIBUTION OF OCCURENCES OF SKY-ONLY ALGORITHM CASES:"});
        PrintHeadingRow(file, SkyCaseLabels);
        PrintCountRow(file, d.skyCaseCount);
    }

    void WriteGroundResultLines(PrintChannel& file) const {
        file.Print({});
        file.Print({"Total number of directions from the ground = ",
                    static_cast<double>((d.steps - 1) * d.steps)});
        file.Print({GroundResultFrame});
        file.Print({"GROUND REFLECTED DIFFUSE UNSHADED FRACTION = ", d.groundUSF});
        if (d.physical && OutsideUnitRange(d.groundUSF))
            file.Print({"Physically weighted ground factor = ", d.physical->ground});
        file.Print({"(Does not include ground reflectance [albedo].)"});
        file.Print({GroundResultFrame});
        file.Print({});
        file.Print({"DISCRETIZATION:"});
        file.Print({"     FOR A GOING FROM 0 TO", -AltitudeStep() * (d.steps - 1), "DEGREES"});
        file.Print({"     IN STEPS OF ", AltitudeStep(), "DEGREES AND P GOING FROM"});
        file.Print({"     0 TO 90 IN THE SAME STEPS."});
        file.Print({"     CONSTANT SKY RADIANCE ASSUMED."});
        file.Print({"               (I GOES FROM 1 TO", static_cast<double>(d.steps),
                    " AND J GOES FROM 1 TO", static_cast<double>(d.steps)});
        file.Print({""});
        file.Print({"     DISTRIBUTION OF OCCURENCES OF GROUND-ONLY ALGORITHM CASES:"});
        PrintHeadingRow(file, GroundCaseLabels);
        PrintCountRow(file, d.groundCaseCount);
        // Separator: a line feed, blanks up to the next print zone, a carriage return.
        file.Print({"\n", Sep::Zone, "\r"});
        file.Print({SectionEndLine});
    }
};

}  // namespace

std::string DiffuseDateCaption() {
    return "Run date: " + DateText();
}

std::string DiffuseTimeCaption() {
    return "Run time: " + TimeText();
}

std::string DiffuseCaseTextCaption(const std::string& caseText) {
    return "Geometry description: " + caseText;
}

std::string DiffuseSkyUSFCaption(double skyUSF) {
    return "Sky-Only Diffuse USF = " + SignedNumberText(skyUSF);
}

std::string DiffuseGroundUSFCaption(double groundUSF) {
    return "Ground-Only Diffuse USF = " + SignedNumberText(groundUSF);
}

void AppendDiffuseSection(const ShadingCase& c, const DiffuseShading& d) {
    WriteStagedFile(c.output.PrintFilePath(), StagedFiles::Kind::Append,
                    [&](PrintChannel& file) { WriteDiffuseSection(file, c, d); });
}

void WriteDiffuseSection(PrintChannel& file, const ShadingCase& c, const DiffuseShading& d) {
    const Section section{c, d};
    section.WriteInputLines(file);
    section.WriteSkyGridLines(file);
    section.WriteSkyResultLines(file);
    section.WriteGroundResultLines(file);
}
