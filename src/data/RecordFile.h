#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

enum class ReplaceOutcome { Replaced, TemporaryNotWritten, NotRenamed };

// Writes the whole new content of `targetPath` to a temporary file of this program's own beside
// it (platform::TemporaryPathFor), flushed to the disk and with the target's permissions and
// group, and then gives it the target's name in one step, so that at every moment, power cuts
// included, the target holds either its old or its new content, and programs at several desks
// replacing one file at once each put a whole file in place. A temporary file that could not be
// written whole is removed again; a failed rename is shown to the user as a file error.
ReplaceOutcome ReplaceRecordFile(const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes);

// The bytes of a record file. When it cannot be read, a "tmp" copy beside it (the new content
// of a replacement that an earlier program, which deleted the old file first, cut short before
// its rename) is first given its name; a copy that cannot be renamed is shown to the user as a
// file error. Nothing comes back when neither can be read. This program's own temporary files are
// never taken back: until their rename the record keeps its old content.
std::optional<std::vector<std::uint8_t>> ReadRecordOrItsCopy(const std::string& path);

// "  <what> <path>: <the system's reason>" for the error log, the reason taken from the failure
// just met (errno), so that the administrator learns which file and why.
std::string FileFailureText(const std::string& what, const std::string& path);

} // namespace data
