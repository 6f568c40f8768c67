#include "batch/JsonResults.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "batch/JsonText.h"
#include "model/GroundDirection.h"
#include "model/PhysicalDiffuse.h"
#include "model/SkyDirection.h"
#include "model/SunOnWindow.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/MatrixCalculation.h"

using namespace mduUmbravel;
using nlohmann::json;

namespace {

json Device(const ShadingCase& c) {
    const auto& g = c.dimensions;
    return {{"geometry", c.GeomMode()},
            {"W", g.W},
            {"WP", g.WP},
            {"H", g.H},
            {"h", g.Lh},
            {"hP", g.LhP},
            {"L", g.L}};
}

template <std::size_t N>
json Counts(const std::array<int, N>& counts, const std::string_view (&names)[N]) {
    json byCase = json::object();
    for (std::size_t i = 0; i < N; ++i)
        byCase[std::string(names[i])] = counts[i];
    return byCase;
}

}  // namespace

std::string BeamJson(const ShadingCase& c, const SkyShading& beam, const ExactBeam& exact) {
    json out{{"mode", "beam"},
             {"device", Device(c)},
             {"layout", NamesOf(c.layout).option},
             {"altitude", c.sun.altitude},
             {"azimuth", c.sun.azimuth},
             {"usf", beam.usf},
             {"case", SkyCaseName[static_cast<std::size_t>(beam.shadowCase)]}};
    ShadowOnWindow shadow{exact.usf.value_or(0), exact.shadow};
    if (!exact.usf) {
        // A direction from below the horizon in front of the wall is one from the ground.
        if (const auto noSun = NoDirectSunReason(std::abs(c.sun.altitude), c.sun.azimuth)) {
            out["exactUsf"] = nullptr;
            out["exactReason"] = *noSun;
            out["shadow"] = json::array();
            return JsonText(out);
        }
        shadow = ExactShadow(DeviceShapeOf(c), c.sun.AltitudeRad(), c.sun.AzimuthRad());
    }
    json polygons = json::array();
    for (const auto& polygon : shadow.shadow) {
        json corners = json::array();
        for (const WallPoint& p : polygon)
            corners.push_back({p.x, p.y});
        polygons.push_back(std::move(corners));
    }
    out["exactUsf"] = shadow.unshadedFraction;
    out["shadow"] = std::move(polygons);
    return JsonText(out);
}

std::string DiffuseJson(const ShadingCase& c, const DiffuseShading& d) {
    const PhysicalDiffuseFactors physical = PhysicalDiffuse(DeviceShapeOf(c));
    return JsonText(json{{"mode", "diffuse"},
                         {"device", Device(c)},
                         {"layout", NamesOf(c.layout).option},
                         {"skyUsf", d.skyUSF},
                         {"groundUsf", d.groundUSF},
                         {"skyDirections", d.steps * d.steps},
                         {"groundDirections", (d.steps - 1) * d.steps},
                         {"skyCases", Counts(d.skyCaseCount, SkyCaseName)},
                         {"groundCases", Counts(d.groundCaseCount, GroundCaseName)},
                         {"physicalSky", physical.sky},
                         {"physicalGround", physical.ground}});
}

std::string MatrixJson(const ShadingCase& c, const MatrixResults& r) {
    json altitudes = json::array(), azimuths = json::array();
    for (double a : r.report.altitudes)
        altitudes.push_back(a * RadToDeg);
    for (double a : r.report.azimuths)
        azimuths.push_back(a * RadToDeg);
    return JsonText(json{{"mode", "matrix"},
                         {"device", Device(c)},
                         {"altitudes", std::move(altitudes)},
                         {"azimuths", std::move(azimuths)},
                         {"usf", r.report.usf}});
}
