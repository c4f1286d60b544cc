#pragma once

#include <optional>
#include <string>
#include <vector>

namespace data {

// The lines of a test file, its empty ones dropped, leaving the file as it is; nothing when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadTestFileLines(const std::string& path);

// Reads a test file, drops its empty lines, puts the others in a new order drawn from the
// program's random source and writes them back, each ending in CR LF. Returns the lines in their
// new order, or nothing when the file cannot be read. The whole file is kept, however long; if it
// cannot be rewritten it stays as it was and the new order is still returned.
std::optional<std::vector<std::string>> ShuffleTestFile(const std::string& path);

} // namespace data
