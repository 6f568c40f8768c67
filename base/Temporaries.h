#pragma once

#include <string>
#include <utility>
#include <vector>

// The temporary files of this process: made beside the files they will replace, known until
// they are renamed or removed, so that a signal that ends the process leaves none behind.

// Creates an empty file in the path's folder, named after the path and this process
// (".name~PID-N"), that no one else writes; returns its name, or throws UnexpectedError naming
// the path and the reason.
std::string CreateTemporaryBeside(const std::string& path);

// Removes the temporary; nothing when it is gone already.
void RemoveTemporary(const std::string& temporary);

// Renames each temporary over its file. A signal that arrives meanwhile waits until every one is
// renamed. Stops at the first failure and returns its error (0 for none) and the file it met.
std::pair<int, std::string> RenameTemporaries(
    const std::vector<std::pair<std::string, std::string>>& temporaryAndFile);

// From now on SIGINT, SIGTERM and SIGHUP remove every temporary, then end the process as the
// signal would. Call it before any other thread starts: the signals are handled by a thread of
// their own, and every thread started later leaves them to it.
void RemoveTemporariesOnSignals();
