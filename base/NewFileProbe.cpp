#include "base/NewFileProbe.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

int NewFileError(const std::string& folder) {
    std::string probe = folder + ".umbravel-probe-XXXXXX";
    const int descriptor = mkstemp(probe.data());
    if (descriptor < 0)
        return errno;
    close(descriptor);
    unlink(probe.c_str());
    return 0;
}
