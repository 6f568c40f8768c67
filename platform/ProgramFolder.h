#pragma once

#include <string>
#include <string_view>

// The program's own folder on this machine, ending in "/": the per-user application data
// folder ($XDG_DATA_HOME, or ~/.local/share) followed by "Helioran/Umbravel/". It holds the
// default-path file, the information files and the default data folder "OutFiles/".
std::string ProgramFolderPath();

// The default data folder's name inside the program folder, with its final "/".
inline constexpr std::string_view DefaultDataFolderName = "OutFiles/";
