#pragma once

#include <optional>
#include <string>

#include "output/ProjectFile.h"

// The wizard's entries as a project, and a project put into the entries, so that a design
// saved today opens tomorrow as it was left.

// What the screens hold now: the program-wide entries and the place the user last gave.
Project CurrentProject();

// Puts the project's values where the screens read them; the next screens opened show them.
void UseProject(const Project& project);

// The project file the entries came from or were last saved to, and the design it holds.
struct ProjectOnDisk {
    std::optional<std::string> path;  // none: never saved
    Project design;
};
inline ProjectOnDisk LastSavedProject;

// Puts the project into the entries as the design on disk at path (none: a new design), so that
// nothing counts as changed.
void AdoptProject(const Project& project, std::optional<std::string> path);

// Whether the entries differ from the design last opened or saved.
bool ProjectChanged();
