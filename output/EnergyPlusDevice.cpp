#include "output/EnergyPlusDevice.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

#include "base/NumberText.h"
#include "model/DevicePlates.h"

namespace {

using Field = std::pair<std::string, std::string_view>;  // value, field name

// One object in EnergyPlus's own layout: a value per line with its field name as a comment.
std::string ObjectText(std::string_view kind, const std::vector<Field>& fields) {
    constexpr std::size_t ValueColumn = 28;
    std::string out = std::string(kind) + ",\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string value = "  " + fields[i].first + (i + 1 < fields.size() ? "," : ";");
        value.resize(std::max(value.size() + 1, ValueColumn), ' ');
        out += value + "!- " + std::string(fields[i].second) + '\n';
    }
    return out + '\n';
}

// To the micrometre and the millionth of a degree, beyond any building's precision.
std::string Number(double x) {
    std::string text = PatternText(x, "0.######");
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

struct SideExtensions {
    double left, right;
};

// How far the plate reaches past the window's left and right edges, seen from outside: on the
// fin's side to x = W', on the other to x = 0 as drawn or W - W' mirrored.
SideExtensions Extensions(const DeviceShape& d, FinSide finSide) {
    const PlateEnds ends = PlateEndsOf(d);
    const double atFin = ends.finSide - d.W;
    const double atOther = -ends.otherSide;
    return finSide == FinSide::Right ? SideExtensions{atOther, atFin}
                                     : SideExtensions{atFin, atOther};
}

std::string OverhangText(const DeviceShape& d, const EnergyPlusWindow& w) {
    const SideExtensions reach = Extensions(d, w.finSide);
    return ObjectText(
        "Shading:Overhang",
        {{w.name + " Awning", "Name"},
         {w.name, "Window or Door Name"},
         {Number(d.Lh + d.LhP - d.H), "Height above Window or Door {m}"},
         {Number(90 + Degrees(std::atan2(d.LhP, d.L))), "Tilt Angle from Window/Door {deg}"},
         {Number(reach.left), "Left extension from Window/Door Width {m}"},
         {Number(reach.right), "Right extension from Window/Door Width {m}"},
         {Number(std::hypot(d.L, d.LhP)), "Depth {m}"}});
}

std::string FinText(const DeviceShape& d, const EnergyPlusWindow& w) {
    const SideExtensions reach = Extensions(d, w.finSide);
    const bool both = d.layout == DeviceLayout::Mirrored;
    const bool left = both || w.finSide == FinSide::Left;
    const bool right = both || w.finSide == FinSide::Right;
    const std::string above = Number(d.Lh + d.LhP / 2 - d.H);
    const std::string below = Number(w.sillHeight);
    const std::string depth = Number(d.L);
    std::string out;
    if (d.LhP != 0) {
        out +=
            "! The fin's top follows the sloping plate; EnergyPlus's fin is a rectangle, so "
            "its top is at the mean height.\n";
    }
    if (!both) {
        out += "! One fin: the other side's fin has no depth and EnergyPlus leaves it out.\n";
    }
    return out +
           ObjectText("Shading:Fin",
                      {{w.name + " Fins", "Name"},
                       {w.name, "Window or Door Name"},
                       {left ? Number(reach.left) : "0", "Left Extension from Window/Door {m}"},
                       {left ? above : "0", "Left Distance Above Top of Window {m}"},
                       {left ? below : "0", "Left Distance Below Bottom of Window {m}"},
                       {"90", "Left Tilt Angle from Window/Door {deg}"},
                       {left ? depth : "0", "Left Depth {m}"},
                       {right ? Number(reach.right) : "0", "Right Extension from Window/Door {m}"},
                       {right ? above : "0", "Right Distance Above Top of Window {m}"},
                       {right ? below : "0", "Right Distance Below Bottom of Window {m}"},
                       {"90", "Right Tilt Angle from Window/Door {deg}"},
                       {right ? depth : "0", "Right Depth {m}"}});
}

std::string ViewFactorText(const EnergyPlusWindow& w, const PhysicalDiffuseFactors& f) {
    const double sky = 0.5 * f.sky, ground = 0.5 * f.ground;
    return "! The window's view of sky and ground as the device leaves it; define the schedule "
           "of the device's temperature.\n" +
           ObjectText("SurfaceProperty:LocalEnvironment",
                      {{w.name + " Environment", "Name"},
                       {w.name, "Exterior Surface Name"},
                       {"", "Sunlit Fraction Schedule Name"},
                       {w.name + " Surroundings", "Surrounding Surfaces Object Name"}}) +
           ObjectText("SurfaceProperty:SurroundingSurfaces",
                      {{w.name + " Surroundings", "Name"},
                       {Number(sky), "Sky View Factor"},
                       {"", "Sky Temperature Schedule Name"},
                       {Number(ground), "Ground View Factor"},
                       {"", "Ground Temperature Schedule Name"},
                       {w.name + " Device", "Surrounding Surface 1 Name"},
                       {Number(1 - sky - ground), "Surrounding Surface 1 View Factor"},
                       {w.name + " Device Temperature",
                        "Surrounding Surface 1 Temperature Schedule Name"}});
}

}  // namespace

std::string EnergyPlusDeviceText(const DeviceShape& device, const EnergyPlusWindow& window,
                                 const PhysicalDiffuseFactors& factors) {
    std::string out;
    if (device.L > 0 && HasAwningPlate(device))
        out += OverhangText(device, window);
    if (device.L > 0 && device.geometry != Geometry::Awning)
        out += FinText(device, window);
    return out + ViewFactorText(window, factors);
}
