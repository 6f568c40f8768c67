#pragma once

#include <cstdint>

#include "model/ShadingCase.h"
#include "modes/diffuse/DiffuseIntegration.h"

// Steps per quarter circle of the diffuse mode's direction grid.
inline constexpr std::int16_t DiffuseModeSteps = 20;

// The diffuse mode: the sky and ground passes of the case's device with DiffuseModeSteps.
// Throws ProgramStop when the awning's back edge lies below the window.
mduUmbravel::DiffuseShading EvaluateDiffuseMode(const ShadingCase& c);
