#include "output/HeaderLine.h"

#include "base/NumberText.h"

using namespace mduUmbravel;

std::string DefaultHeaderText(Geometry geometry, const ShadeGeometryRecord& g) {
    std::string line = "UMBRAVEL 3.0 Output L = " + SignedNumberText(g.L);
    line += " W = " + SignedNumberText(g.W);
    line += " W' = " + SignedNumberText(g.WP);
    line += " H = " + SignedNumberText(g.H);
    line += " h = " + SignedNumberText(g.Lh);
    line += " h' = " + SignedNumberText(g.LhP);
    return line + " GEOM: " + std::string(NamesOf(geometry).headerTag);
}
