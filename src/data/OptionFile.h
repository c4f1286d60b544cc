#pragma once

#include <optional>
#include <string>

namespace data {

// A student's option file: exactly one byte, the review-due flag (0 or 1).

// Makes the file exactly one zero byte unless it already is one byte long.
void RepairOptionFile(const std::string& path);

// The flag, creating an empty file (no review due) when there is none; nothing when the file
// cannot be opened.
std::optional<bool> ReadReviewFlag(const std::string& path);

// Writes the flag into the first byte without truncating; false when the file cannot be opened.
bool WriteReviewFlag(const std::string& path, bool due);

} // namespace data
