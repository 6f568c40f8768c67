#include "screens/kit/DeviceWords.h"

#include "base/DateTimeText.h"
#include "base/NumberText.h"

namespace {

constexpr DeviceWords kAwning = {
    "Setting Awning Dimensions",
    "awning width",
    "Awning Width",
    "Height to the front edge of the awning",
    "Difference in heights of the front and back edges of the awning",
    "Perpendicular distance from wall to front edge of awning",
};

constexpr DeviceWords kFins = {
    "Setting Side Fin Dimensions",
    "distance to the fin",
    "Distance from the window's far edge to the fin",
    "Height to the top of the fin at its front edge",
    "Difference in heights of the fin's top at the wall and at its front edge",
    "Perpendicular distance from wall to front edge of side fin",
};

constexpr DeviceWords kAwningAndFins = {
    "Setting Awning and Side Fin Dimensions",
    "awning width",
    "Awning Width, out to the fin",
    "Height to top of fin and front edge of awning",
    "Difference in heights of the front and back edges of the awning",
    "Perpendicular distance from wall to front edge of awning and side fin",
};

}  // namespace

const DeviceWords& WordsFor(Geometry geometry) {
    switch (geometry) {
        case Geometry::Awning:
            return kAwning;
        case Geometry::Fins:
            return kFins;
        case Geometry::AwningAndFins:
            break;
    }
    return kAwningAndFins;
}

std::string GeometryInWords(Geometry geometry) {
    return "Geometry: " + std::string(NamesOf(geometry).caption);
}

std::string DimensionsInWords(Geometry geometry, const mduUmbravel::ShadeGeometryRecord& g,
                              LengthUnit unit) {
    const auto item = [unit](const std::string& name, double value) {
        return name + " = " + PlainNumberText(value) + " " + std::string(NamesOf(unit).option);
    };
    return "Dimensions: " + item(std::string(WordsFor(geometry).widthName) + " W'", g.WP) + ", " +
           item("window width W", g.W) + ", " + item("their difference W' - W", g.DelW) + ", " +
           item("window height H", g.H) + ", " + item("front height h", g.Lh) + ", " +
           item("height difference h'", g.LhP) + ", " + item("depth from the wall L", g.L);
}

std::string DimensionsInWords(const DeviceShape& device, LengthUnit unit) {
    mduUmbravel::ShadeGeometryRecord g;
    g.L = device.L;
    g.W = device.W;
    g.WP = device.WP;
    g.DelW = device.WP - device.W;
    g.H = device.H;
    g.Lh = device.Lh;
    g.LhP = device.LhP;
    return DimensionsInWords(device.geometry, g, unit);
}

std::string DeviceAndDateInWords(Geometry geometry, DeviceLayout layout) {
    return GeometryInWords(geometry) + ", " + std::string(NamesOf(layout).caption) + "; " +
           DateText();
}
