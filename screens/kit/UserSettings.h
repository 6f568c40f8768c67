#pragma once

#include <QString>
#include <string>

#include "model/LengthUnit.h"

// The user's settings file, which the program keeps from run to run: the last place and the
// window, the recent projects, the unit of length.

// Where Qt keeps the program's settings on this system, named here so that the file can be
// checked before Qt reads it.
QString UserSettingsPath();

// Settings hold a few short values; a file much larger, or a FIFO or device in its place, is not
// the program's and is left alone: why, as a sentence; empty when the file may be used.
std::string SettingsFileProblem();

// The unit last chosen, metres until one is; a stored word that names none gives metres.
LengthUnit LoadLengthUnit();
void SaveLengthUnit(LengthUnit unit);
