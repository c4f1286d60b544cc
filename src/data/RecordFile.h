#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

enum class ReplaceOutcome { Replaced, TemporaryNotWritten, NotRenamed };

// Writes the whole new content of `targetPath` to `temporaryPath`, flushed to the disk, and then
// gives the temporary file the target's name in one step, so that at every moment, power cuts
// included, the target holds either its old or its new content. A temporary file that could not
// be written whole is removed again; a failed rename is shown to the user as a file error.
ReplaceOutcome ReplaceRecordFile(const std::string& temporaryPath, const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes);

// The bytes of a record file. When it cannot be read, a "tmp" copy beside it (the new content
// of a replacement that was cut short before its rename) is first given its name; a copy that
// cannot be renamed is shown to the user as a file error. Nothing comes back when neither can be
// read.
std::optional<std::vector<std::uint8_t>> ReadRecordOrItsCopy(const std::string& path);

// "  <what> <path>: <the system's reason>" for the error log, the reason taken from the failure
// just met (errno), so that the administrator learns which file and why.
std::string FileFailureText(const std::string& what, const std::string& path);

} // namespace data
