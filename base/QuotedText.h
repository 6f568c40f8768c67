#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a message shows text that came from outside the program (a field, a value, a path):
// in double quotes, control characters and bytes that are not UTF-8 written as \xNN so that
// nothing reaches the terminal as a command, and no more than the first QuotedTextLimit
// characters, then "...", so that a huge field cannot make a huge message.
inline constexpr std::size_t QuotedTextLimit = 80;

std::string QuotedText(std::string_view text);
