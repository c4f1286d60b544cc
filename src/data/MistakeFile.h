#pragma once

#include "Problem.h"

#include <optional>
#include <string>
#include <vector>

namespace data {

// A mistake list file: whole 16-byte problems one after the other; a partial last one is not
// part of the list. A missing file is created empty. Nothing comes back when the file cannot
// be read or created.
std::optional<std::vector<Problem>> ReadMistakeList(const std::string& path);

// Replaces the file whole through a temporary copy, so a failure midway leaves the old list.
bool WriteMistakeList(const std::string& path, const std::vector<Problem>& mistakes);

} // namespace data
