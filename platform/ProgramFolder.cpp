#include "platform/ProgramFolder.h"

#include <cstdlib>

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

std::string ProgramFolderPath() {
    // A relative XDG_DATA_HOME is invalid by the base directory rules and is ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = WithSlash(dataHome);
    } else {
        const char* home = std::getenv("HOME");
        base = WithSlash(home != nullptr && home[0] != '\0' ? home : "/") + ".local/share/";
    }
    return base + "Helioran/Umbravel/";
}
