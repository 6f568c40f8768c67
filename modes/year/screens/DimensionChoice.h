#pragma once

#include "model/CaseKinds.h"

class QComboBox;

// A list of the device's dimensions a study varies (projection L, height h, width W'), named as
// the device's dimensions screen names them; each item's data is its SweptDimension.
QComboBox* NewDimensionChoice(const char* name, Geometry geometry);
