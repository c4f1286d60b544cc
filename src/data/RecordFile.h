#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

enum class ReplaceOutcome { Replaced, TemporaryNotWritten, NotRenamed };

// Writes the whole new content of `targetPath` to `temporaryPath` and then gives the temporary
// file the target's name in one step, so that at every moment the target holds either its old
// or its new content. A temporary file that could not be written whole is removed again; a
// failed rename is shown to the user as a file error.
ReplaceOutcome ReplaceRecordFile(const std::string& temporaryPath, const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes);

// The bytes of a record file. When it cannot be read, a "tmp" copy beside it (the new content
// of a replacement that was cut short before its rename) is first given its name; a missing copy
// is shown to the user as a file error. Nothing comes back when neither can be read.
std::optional<std::vector<std::uint8_t>> ReadRecordOrItsCopy(const std::string& path);

// Creates or truncates `path` and writes `bytes` in pieces of 4096; false when any step fails.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Crash tests stop a rewrite between two of its file steps: the hook runs after each step (file
// created, piece written, file closed, file renamed) and may throw to end the operation there,
// as a crash would. Without a hook the steps run straight through.
void SetFileStepHook(std::function<void()> hook);

} // namespace data
