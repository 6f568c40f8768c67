#pragma once

#include <cstdint>
#include <string>

// Steps per quarter circle of the diffuse mode's direction grid.
inline constexpr std::int16_t DiffuseModeSteps = 20;

// The diffuse mode: the captions of its results screen, and the run that writes the diffuse
// section of the print file around the sky and ground passes.

// "Run date: 12-08-2026" and "Run time: 13:05:09", read from the clock when called.
std::string DiffuseDateCaption();
std::string DiffuseTimeCaption();

// "Geometry mode:  1"
std::string DiffuseGeomModeCaption();

// "Geometry description: " followed by GeomCaseText.
std::string DiffuseCaseTextCaption();

// "Sky-Only Diffuse USF =  .316..." and "Ground-Only Diffuse USF =  .6..." from the latest run.
std::string DiffuseSkyUSFCaption();
std::string DiffuseGroundUSFCaption();

// Appends the diffuse section to the print file while it runs the diffuse integration with 20
// steps per quarter circle, leaving SkyUSF, GroundUSF and the case counters of this run. When a
// pass fails, the lines written so far stay in the file and the error goes on to the caller.
void RunDiffuseMode();
