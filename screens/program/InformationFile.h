#pragma once

#include <string>

// The two information files of the program folder, shown by the information screens.

// ProgramFolderPath() followed by "USINGUMBRAVEL.txt" and by "AWNINFO.txt".
std::string UsingFilePath();
std::string AboutFilePath();

// The file as its screen shows it: each line, the last included, followed by carriage return
// and line feed. A line ends at a carriage return, a line feed, or the two together. A file
// that cannot be read is an UnexpectedError.
std::string ReadInformationText(const std::string& path);
