#pragma once

#include <string>

// The header line proposed for the run, built from the stored dimensions and GeomMode:
// "UMBRAVEL 3.0 Output L =  3 W =  2 W' =  3 H =  4 h =  3 h' =  1 GEOM: AWNONLY".
std::string DefaultHeaderText();
