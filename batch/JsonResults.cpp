#include "batch/JsonResults.h"

#include <nlohmann/json.hpp>

#include "model/CaseKinds.h"
#include "model/GroundDirection.h"
#include "model/PhysicalDiffuse.h"
#include "model/SkyDirection.h"
#include "model/mduUmbravel.h"

using namespace mduUmbravel;
using nlohmann::json;

namespace {

json Device() {
    const auto& g = ShadeGeometry;
    return {{"geometry", GeomMode}, {"W", g.W}, {"WP", g.WP}, {"H", g.H}, {"h", g.Lh},
            {"hP", g.LhP},          {"L", g.L}};
}

std::string_view LayoutName(DeviceLayout layout) {
    return NamesOf(layout).option;
}

DeviceShape Shape(DeviceLayout layout) {
    DeviceShape d = DeviceShapeFromGeometry();
    d.layout = layout;
    return d;
}

template <std::size_t N>
json Counts(const std::array<int, N>& counts, const std::string_view (&names)[N]) {
    json byCase = json::object();
    for (std::size_t i = 0; i < N; ++i)
        byCase[std::string(names[i])] = counts[i];
    return byCase;
}

}  // namespace

std::string BeamJson(double usf, std::string_view caseId, DeviceLayout layout) {
    const ShadowOnWindow exact = ExactShadow(Shape(layout), SolAltRad, SolAziRad);
    json shadow = json::array();
    for (const auto& polygon : exact.shadow) {
        json corners = json::array();
        for (const WallPoint& p : polygon)
            corners.push_back({p.x, p.y});
        shadow.push_back(std::move(corners));
    }
    return json{{"mode", "beam"},
                {"device", Device()},
                {"layout", LayoutName(layout)},
                {"altitude", SolAlt},
                {"azimuth", SolAzi},
                {"usf", usf},
                {"case", caseId},
                {"exactUsf", exact.unshadedFraction},
                {"shadow", std::move(shadow)}}
        .dump();
}

std::string DiffuseJson(DeviceLayout layout) {
    const PhysicalDiffuseFactors physical = PhysicalDiffuse(Shape(layout));
    return json{{"mode", "diffuse"},
                {"device", Device()},
                {"layout", LayoutName(layout)},
                {"skyUsf", SkyUSF},
                {"groundUsf", GroundUSF},
                {"skyDirections", NAlt * NAzi},
                {"groundDirections", (NAlt - 1) * NAzi},
                {"skyCases", Counts(SkyCaseCount, SkyCaseName)},
                {"groundCases", Counts(GroundCaseCount, GroundCaseName)},
                {"physicalSky", physical.sky},
                {"physicalGround", physical.ground}}
        .dump();
}

std::string MatrixJson() {
    json altitudes = json::array(), azimuths = json::array();
    for (double a : MatrixAltitudes)
        altitudes.push_back(a * RadToDeg);
    for (double a : MatrixAzimuths)
        azimuths.push_back(a * RadToDeg);
    return json{{"mode", "matrix"},
                {"device", Device()},
                {"altitudes", std::move(altitudes)},
                {"azimuths", std::move(azimuths)},
                {"usf", MatrixUSF}}
        .dump();
}
