#pragma once

#include <string>

// 0 when the folder (its text ending in "/") takes new files, else the error that creating one
// meets. Creates a file of a name of its own and removes it again: the one sure test, since
// permission bits say nothing for root, nor for a read-only file system.
int NewFileError(const std::string& folder);
