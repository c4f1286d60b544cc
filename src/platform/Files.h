#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The permissions every file the program creates asks for. The umask (or a default ACL of the
// folder) takes away what others may not do.
constexpr unsigned kNewFileMode = 0666;

// A folder the group may write in is shared by a group (a class's folder): every file this user
// creates or owns there and writes through the functions below is given read and write for the
// group, whatever the user's umask, so that no member's file ever locks the others out.
// Opens `path` with `flags` (O_CLOEXEC added; with O_CREAT a new file asks for kNewFileMode) and
// shares it so; -1 with errno set when it cannot be opened.
int OpenSharedFile(const std::string& path, int flags);

// The name a replacement of `path` is written under before it takes the file's name: the name,
// "tmp", this process's number and the computer's name, so that programs on several computers
// writing the same file at once never write into one temporary file.
std::string TemporaryPathFor(const std::string& path);

// Whether `path` cannot be read because this user is not allowed to (rather than because it is
// missing or damaged).
bool IsAccessDenied(const std::string& path);

// The name of the group that owns `path`; nothing when it cannot be looked at or the group has
// no name.
std::optional<std::string> GroupOwning(const std::string& path);

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
// when any step fails. When `replacing` names an existing file, the new one gets its permissions
// and, where this user may give it, its group.
bool WriteFileDurably(const std::string& path, std::span<const std::uint8_t> bytes,
                      const std::string& replacing = {});

// Flushes what was written through `fd`, the open file `path`, to the disk.
bool FlushFile(int fd, const std::string& path);

// Flushes the folder that holds `path`, so that a name just created or renamed there survives a
// power cut.
bool FlushFolderOf(const std::string& path);

// Flushes everything written to the file system that holds `path` to the disk at once: many new
// files written with WriteFileBytes cost one flush instead of one each.
bool FlushFileSystemOf(const std::string& path);

// The steps of a durable write, in the order they happen.
enum class FileStep { Created, PieceWritten, Flushed, Closed, Renamed, FolderFlushed };

// Tests watch the durable steps through this hook: it runs after each step with the path of the
// file (or folder) concerned, and may throw to end the operation there, as a crash would. Without
// a hook the steps run straight through.
void SetFileStepHook(std::function<void(FileStep, const std::string&)> hook);

// What the user is told when a delete or rename fails, naming the file and the reason, as the
// error log says it (the message box says it in the program's language).
std::string FileErrorMessage(const std::string& path, int errorNumber);

// Gives `temporaryPath` the name `targetPath` in one atomic step, so at every moment one whole
// version of the file exists, and flushes the folder so the new name survives a power cut. A
// failed rename is shown to the user as a file error; returns whether the rename happened.
bool ReplaceFileWith(const std::string& temporaryPath, const std::string& targetPath);

// Deletes `path`; a failure is shown to the user as a file error. Returns success.
bool DeleteFileReporting(const std::string& path);

} // namespace platform
