#pragma once

#include "model/CaseKinds.h"

class QComboBox;
class QDoubleSpinBox;

// A list of the device's dimensions a study varies (projection L, height h, width W'), named as
// the device's dimensions screen names them; each item's data is its SweptDimension.
QComboBox* NewDimensionChoice(const char* name, Geometry geometry);

// A box for a value of one of those dimensions, 0 to 1000 to three decimals, stepping by step.
QDoubleSpinBox* NewLengthBox(const char* name, double step = 0.05);
