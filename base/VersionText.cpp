#include "base/VersionText.h"

std::string VersionText(std::string_view program) {
    return std::string(program) + " " UMBRAVEL_VERSION "\nCopyright (c) The Umbravel developers\n" +
           "Licence: MIT\n";
}
