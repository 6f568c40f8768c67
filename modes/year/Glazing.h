#pragma once

// Solar transmittance of panes of clear float glass (refractive index 1.526, extinction
// coefficient 19.6 per metre, 3.175 mm thick): Fresnel reflection at every surface with Snell
// refraction, Bouguer absorption along the refracted path, and the reflections back and forth
// within each pane and between the panes. The two polarisations go through the whole stack
// separately; the light, unpolarised, gets their mean.

// Beam transmittance at the angle of incidence from the normal (radians, 0 to pi/2); panes 0
// transmits everything.
double GlazingBeamTransmittance(int panes, double incidenceRad);

// Transmittance of radiation arriving alike from every direction of the hemisphere:
// 2 x the integral of tau(theta) cos(theta) sin(theta) over 0 to pi/2.
double GlazingDiffuseTransmittance(int panes);
