#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "model/ShadingCase.h"
#include "modes/diffuse/DiffuseIntegration.h"

// The diffuse mode: the captions of its results screen and its section of the print file.

// "Run date: 12-08-2026" and "Run time: 13:05:09", read from the clock when called.
std::string DiffuseDateCaption();
std::string DiffuseTimeCaption();

// "Geometry description: " followed by the case text.
std::string DiffuseCaseTextCaption(const std::string& caseText);

// "Sky-Only Diffuse USF =  .316..." and "Ground-Only Diffuse USF =  .6...".
std::string DiffuseSkyUSFCaption(double skyUSF);
std::string DiffuseGroundUSFCaption(double groundUSF);

// Appends the diffuse section of the results to the print file.
void AppendDiffuseSection(const ShadingCase& c, const mduUmbravel::DiffuseShading& d);
// The same section written to the channel.
void WriteDiffuseSection(PrintChannel& file, const ShadingCase& c,
                         const mduUmbravel::DiffuseShading& d);
