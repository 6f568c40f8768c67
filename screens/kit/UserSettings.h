#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "model/LengthUnit.h"

// The user's settings file, which the program keeps from run to run: the last place and the
// window, the recent projects, the unit of length.

class QSettings;

// Settings hold a few short values; a file much larger, or a FIFO or device in its place, is not
// the program's and is left alone: why, as a sentence; empty when the file may be used.
std::string SettingsFileProblem();

// The settings file to read or write; null when it has a problem.
std::unique_ptr<QSettings> OpenUserSettings();

// The projects last saved or opened, the latest first.
QStringList RecentProjects();
void AddRecentProject(const std::string& path);

// The unit last chosen, metres until one is; a stored word that names none gives metres.
LengthUnit LoadLengthUnit();
void SaveLengthUnit(LengthUnit unit);
