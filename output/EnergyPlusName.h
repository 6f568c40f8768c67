#pragma once

#include <string>

// A name EnergyPlus reads back from a CSV cell or an input field: a comma, a semicolon or an
// exclamation mark would end it early, a control character break its line. What is wrong with
// the name, as the end of a sentence that starts with what it names ("must not be empty");
// empty when it is fine.
std::string EnergyPlusNameProblem(const std::string& name);
