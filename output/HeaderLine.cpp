#include "output/HeaderLine.h"

#include "base/NumberText.h"
#include "model/mduUmbravel.h"

using namespace mduUmbravel;

std::string DefaultHeaderText() {
    const ShadeGeometryRecord& g = ShadeGeometry;
    std::string line = "UMBRAVEL 3.0 Output L = " + SignedNumberText(g.L);
    line += " W = " + SignedNumberText(g.W);
    line += " W' = " + SignedNumberText(g.WP);
    line += " H = " + SignedNumberText(g.H);
    line += " h = " + SignedNumberText(g.Lh);
    line += " h' = " + SignedNumberText(g.LhP);
    if (GeomMode == 1)
        return line + " GEOM: AWNONLY";
    if (GeomMode == 2)
        return line + " GEOM: FINONLY";
    return line + " GEOM: AWN&FIN";
}
