#include "output/EnergyPlusName.h"

std::string EnergyPlusNameProblem(const std::string& name) {
    if (name.empty())
        return "must not be empty";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ',' || c == ';' || c == '!')
            return "must not hold a comma, a semicolon, an exclamation mark or a control "
                   "character";
    }
    return {};
}
