#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Reading the user's preferred data folder back from the default-path file. The file may have
// been changed by anything since the program wrote it, so only its first few KB are read.

// Longest first line taken as a folder; a folder name never comes near it.
inline constexpr std::size_t DefaultPathLineLimit = 4096;

// The folder saved in the default-path file: its whole first line, leading and trailing
// blanks dropped, or the text between double quotes when the line begins with one. Nothing
// when the file is absent or holds no line at all. A file that cannot be read, whose first line
// is longer than the limit or holds control characters, counts as absent too; then `fault`, when
// given, receives why, in plain words.
std::optional<std::string> ReadDefaultPathFile(std::string* fault = nullptr);
