#pragma once

#include <string>
#include <string_view>

// "<program> 3.0", the copyright and the licence, each on a line of its own.
std::string VersionText(std::string_view program);
