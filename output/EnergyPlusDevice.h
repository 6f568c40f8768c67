#pragma once

#include <string>

#include "model/ExactShadow.h"
#include "model/PhysicalDiffuse.h"
#include "modes/year/WindowAngles.h"

// The device as EnergyPlus input objects attached to one of its windows, for comparing
// EnergyPlus's own shading with this program's.
//
// The awning plate is a Shading:Overhang: its back edge on the wall gives the height above the
// window, its ends the left and right extensions. EnergyPlus gives the overhang the window's
// tilt plus the tilt angle, so the plate rises outward below 90 degrees and falls above; a plate
// falling h' from the wall to its front edge over the projection L has the tilt angle
// 90 + atan(h' / L) and the depth sqrt(L^2 + h'^2), its length along the slope. Every awning
// this program takes is expressed exactly.
//
// The fins are one Shading:Fin: left and right are seen from outside, the fin's plane at the
// plate's end, its depth L, its bottom on the ground at the sill height below the window. A
// device as drawn has one fin; the other side's fields are zero and EnergyPlus leaves that fin
// out with a warning. A fin's top follows the plate's side edge from h + h' at the wall to h at
// the front; EnergyPlus's fins are rectangles, so under a sloping plate the fin's top is put at
// the mean height h + h'/2 (the same area), noted in the file.
//
// The window's sky and ground as the device leaves them go into SurfaceProperty:SurroundingSurfaces
// (reached through SurfaceProperty:LocalEnvironment): Sky View Factor 0.5 x the physically
// weighted sky factor, Ground View Factor 0.5 x the ground factor, and the device as the one
// surrounding surface with what remains of the window's half of the view; its temperature
// schedule is named for the user to define.
struct EnergyPlusWindow {
    std::string name;       // the FenestrationSurface's name
    FinSide finSide;        // seen from outside
    double sillHeight = 0;  // above the ground; used for fins only
};

// The objects' text, lines ending in LF. A device without plates (L <= 0) has no objects but
// the view factors.
std::string EnergyPlusDeviceText(const DeviceShape& device, const EnergyPlusWindow& window,
                                 const PhysicalDiffuseFactors& factors);
