#pragma once

#include <string>

namespace platform {

// The folder that holds the executable; a last component "debug" or "release" (any mix of
// case, whole component only) is cut so a program started from a build output folder uses the
// folder above it. Names keep their case: Linux file names are case-sensitive.
std::string BaseFolderOf(const std::string& executablePath);

// Computed afresh from the running executable at each call.
std::string GetBaseFolder();

} // namespace platform
