#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts that name files and folders.

// True when the text holds a tab, a line break or another control character, which a name
// typed or saved by a user never holds.
bool HoldsControlCharacter(std::string_view text);

// A path as it appears in a message: whole when short, else its start and its end joined by
// "..." so that the file's own name still shows.
std::string ShortPathText(const std::string& path, std::size_t maxLength = 80);
