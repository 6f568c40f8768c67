#include "output/BeamSection.h"

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/SkyDirection.h"
#include "output/ReportLines.h"

using namespace mduUmbravel;

namespace {

constexpr std::string_view UsfPattern = "0.#####";

std::string ExactUSFLabel(DeviceLayout layout) {
    return layout == DeviceLayout::Mirrored ? "Exact USF (device mirrored) = "
                                            : "Exact USF (device as drawn) = ";
}

}  // namespace

std::string BeamGeometryCaption(Geometry geometry) {
    return "Geometry: " + std::string(NamesOf(geometry).sectionCaption);
}

std::string BeamDimensionsCaption(const ShadeGeometryRecord& g) {
    return "Dimensions: W'=" + SignedNumberText(g.WP) + " W=" + SignedNumberText(g.W) +
           " DelW=" + SignedNumberText(g.DelW) + " H=" + SignedNumberText(g.H) +
           " h=" + SignedNumberText(g.Lh) + " LhP=" + SignedNumberText(g.LhP) +
           " L=" + SignedNumberText(g.L);
}

std::string BeamAltitudeCaption(const SunDirection& sun) {
    return "Solar Altitude " + SignedNumberText(sun.altitude) + " deg";
}

std::string BeamAzimuthCaption(const SunDirection& sun) {
    return "Solar Azimuth " + SignedNumberText(sun.azimuth) + " deg, relative to the window";
}

std::string BeamUSFCaption(double usf) {
    return "Beam USF = " + PatternText(usf, UsfPattern);
}

void AppendBeamSection(const ShadingCase& c, const SkyShading& beam, const ExactBeam& exact) {
    WriteStagedFile(c.output.PrintFilePath(), StagedFiles::Kind::Append,
                    [&](PrintChannel& file) { WriteBeamSection(file, c, beam, exact); });
}

void WriteBeamSection(PrintChannel& file, const ShadingCase& c, const SkyShading& beam,
                      const ExactBeam& exact) {
    file.Print({"UMBRAVEL 3.0 Beam Solar Unshaded Fraction"});
    file.Print({"Date: " + DateText() + "         Time: " + TimeText()});
    file.Print({c.output.headerText});
    file.Print({"Dimensions: " + c.output.headerText});
    file.Print({"Geometry case: " + c.output.geomCaseText});
    file.Print({"Solar altitude angle:  " + SignedNumberText(c.sun.altitude) + " deg"});
    file.Print({BeamAzimuthCaption(c.sun)});
    file.Print({"Calculated Unshaded Fraction of Window Area for Direct Beam"});
    file.Print({});
    file.Print({"Unshaded fraction (USF) = " + PatternText(beam.usf, UsfPattern)});
    // Where the analytic model and the device agree, the section keeps its earlier lines.
    if (exact.noSun)
        file.Print({NoDirectSunLine});
    else if (ExactDiffers(exact, beam.usf))
        file.Print({ExactUSFLabel(c.layout) + PatternText(*exact.usf, UsfPattern)});
    file.Print({});
    file.Print({"Shadow Case ID: ", SkyCaseName[static_cast<std::size_t>(beam.shadowCase)]});
    file.Print({});
    file.Print({SectionEndLine});
}
