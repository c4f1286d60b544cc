#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Every file of `folder` by name, with its bytes: equal before and after means nothing was
// written, created or deleted there.
std::map<std::string, std::vector<std::uint8_t>> FolderContent(const std::string& folder);
