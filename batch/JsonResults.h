#pragma once

#include <string>
#include <string_view>

#include "model/ExactShadow.h"

// The results of a batch run as one JSON object, read from the program-wide values the run
// left. Numbers carry every digit of the double; a value that is not a number is null.

// Beam: the analytic USF and case, and the exact shadow of the device in the given layout
// (a negative altitude is a direction from below the horizon).
std::string BeamJson(double usf, std::string_view caseId, DeviceLayout layout);

// Diffuse: SkyUSF, GroundUSF, their direction and case counts, and the physically weighted
// factors of the device in the given layout.
std::string DiffuseJson(DeviceLayout layout);

// Matrix: the report sweep's altitudes and azimuths in degrees and its table of values; call
// it before the data sweep replaces them.
std::string MatrixJson();
