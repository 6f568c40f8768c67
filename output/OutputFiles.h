#pragma once

#include <string>
#include <string_view>

// Where the run's output goes: the print file in the data folder, and the user's preferred
// data folder kept from run to run in the default-path file of the program folder. Paths are
// joined by plain concatenation: a folder must end in "/" to name files inside it.

inline constexpr std::string_view DefaultPathFileName = "DefPath.asc";
inline constexpr std::string_view DefaultPrintFileName = "Umbravel.prt";

namespace mduUmbravel {
// The program's own folder, set once when the program starts (ProgramFolderPath).
inline std::string ProgramFolder;
}  // namespace mduUmbravel

// Replaces the print file, or creates it, by one empty line.
void StartPrintFileAfresh(const std::string& path);

// ProgramFolder followed by "OutFiles/".
std::string DefaultDataFolder();

// ProgramFolder followed by DefaultPathFileName.
std::string DefaultPathFilePath();

// True when the program folder holds a file named exactly "DefPath.asc", letter case included.
bool DefaultPathFilePresent();

// Creates or replaces the default-path file with the folder as its one line.
void WriteDefaultPathFile(const std::string& folder);

// Deletes the default-path file when it is present.
void DeleteDefaultPathFile();
