#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

// The value as compact JSON text, as nlohmann::json's dump() writes it but with each number
// in the shortest text that reads back to the same double (dump() sometimes writes 17 digits
// where 16 do); a number that is not finite is null.
std::string JsonText(const nlohmann::json& value);
