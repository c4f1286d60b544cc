#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

bool FileExists(const std::string& path);
std::optional<std::int64_t> FileSize(const std::string& path);

// Read-only means the owner may not write. Clearing it adds owner-write and nothing else.
bool IsReadOnly(const std::string& path);
void ClearReadOnly(const std::string& path);

// Installed content (pictures, sounds, help, test data, logs) was named on a system whose file
// names ignore case. The exact path wins; otherwise each missing component is looked up ignoring
// ASCII case. A path that cannot be found either way is returned unchanged.
std::string ResolveInstalledPath(const std::string& path);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

// Creates or truncates `path` and writes `bytes`; false when any step fails.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Creates or truncates `path`, writes `bytes` in pieces of 4096 and flushes them to the disk
// before closing, so that a rename that follows can never put an unwritten file in place; false
// when any step fails.
bool WriteFileDurably(const std::string& path, std::span<const std::uint8_t> bytes);

// Flushes what was written through `fd`, the open file `path`, to the disk.
bool FlushFile(int fd, const std::string& path);

// Flushes the folder that holds `path`, so that a name just created or renamed there survives a
// power cut.
bool FlushFolderOf(const std::string& path);

// The steps of a durable write, in the order they happen.
enum class FileStep { Created, PieceWritten, Flushed, Closed, Renamed, FolderFlushed };

// Tests watch the durable steps through this hook: it runs after each step with the path of the
// file (or folder) concerned, and may throw to end the operation there, as a crash would. Without
// a hook the steps run straight through.
void SetFileStepHook(std::function<void(FileStep, const std::string&)> hook);

// The wording the user sees when a delete or rename fails: names the file and the reason.
std::string FileErrorMessage(const std::string& path, int errorNumber);

// Gives `temporaryPath` the name `targetPath` in one atomic step, so at every moment one whole
// version of the file exists, and flushes the folder so the new name survives a power cut. A
// failed rename is shown to the user as a file error; returns whether the rename happened.
bool ReplaceFileWith(const std::string& temporaryPath, const std::string& targetPath);

// Deletes `path`; a failure is shown to the user as a file error. Returns success.
bool DeleteFileReporting(const std::string& path);

} // namespace platform
