#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "output/ProjectFile.h"

// A project's values as the options that give them, in the order a command line would give
// them, so that --project takes them through the options' own readers and checks, and options
// after it override them.
std::vector<std::pair<std::string_view, std::string>> ProjectOptionValues(const Project& project);
