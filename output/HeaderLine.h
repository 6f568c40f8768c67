#pragma once

#include <string>

#include "model/CaseKinds.h"
#include "model/ShadeGeometry.h"

// The header line proposed for a run of the device:
// "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY".
std::string DefaultHeaderText(Geometry geometry, const mduUmbravel::ShadeGeometryRecord& g);
