#include "output/BeamSection.h"

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"
#include "output/OutputFiles.h"
#include "output/ReportLines.h"

using namespace mduUmbravel;

namespace {

constexpr std::string_view UsfPattern = "0.#####";

}  // namespace

std::string BeamGeometryCaption() {
    if (GeomMode == 1)
        return "Geometry: AWNING ONLY";
    if (GeomMode == 2)
        return "Geometry: FIN ONLY";
    return "Geometry: AWNING & FIN";
}

std::string BeamDimensionsCaption() {
    const ShadeGeometryRecord& g = ShadeGeometry;
    return "Dimensions: W'=" + SignedNumberText(g.WP) + " W=" + SignedNumberText(g.W) +
           " DelW=" + SignedNumberText(g.DelW) + " H=" + SignedNumberText(g.H) +
           " h=" + SignedNumberText(g.Lh) + " LhP=" + SignedNumberText(g.LhP) +
           " L=" + SignedNumberText(g.L);
}

std::string BeamAltitudeCaption() {
    return "Solar Altitude " + SignedNumberText(SolAlt) + " deg";
}

std::string BeamAzimuthCaption() {
    return "Solar Azimuth " + SignedNumberText(SolAzi) + " deg, relative to the window";
}

std::string BeamUSFCaption(double usf) {
    return "Beam USF = " + PatternText(usf, UsfPattern);
}

void AppendBeamSection() {
    PrintChannel file(PrintFilePath(), PrintChannel::OpenMode::Append);
    file.Print({"UMBRAVEL 3.0 Beam Solar Unshaded Fraction"});
    file.Print({"Date: " + DateText() + "         Time: " + TimeText()});
    file.Print({HeaderText});
    file.Print({"Dimensions: " + HeaderText});
    file.Print({"Geometry case: " + GeomCaseText});
    file.Print({"Solar altitude angle:  " + SignedNumberText(SolAlt) + " deg"});
    file.Print({BeamAzimuthCaption()});
    file.Print({"Calculated Unshaded Fraction of Window Area for Direct Beam"});
    const double usf = SkyDirectionUSF(SolAltRad, SolAziRad, GeomMode);
    file.Print({});
    file.Print({"Unshaded fraction (USF) = " + PatternText(usf, UsfPattern)});
    file.Print({});
    file.Print({"Shadow Case ID: ", CaseID});
    file.Print({});
    file.Print({SectionEndLine});
    file.Close();
}
