#pragma once

#include <optional>
#include <string>
#include <string_view>

// A number typed into one of the wizard's boxes is taken only when the whole text is one
// decimal number with a point; anything else is refused, naming the entry and saying what the
// text would have been read as, so that "2.5 m" or "2,5" never turns silently into 2.5 or 2.

// Why the text is refused, as a sentence that starts with the entry's name; none when it is a
// finite number in full.
std::optional<std::string> TypedNumberFault(std::string_view name, std::string_view text);
