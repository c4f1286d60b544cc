#include "Files.h"

#include "Services.h"
#include "ShownText.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

std::optional<struct stat> Stat(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return info;
}

// The entry of `folder` whose name equals `name` ignoring ASCII case, if any.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

constexpr std::size_t kPieceSize = 4096;

std::function<void(FileStep, const std::string&)>& FileStepHook() {
    static std::function<void(FileStep, const std::string&)> hook;
    return hook;
}

void StepDone(FileStep step, const std::string& path) {
    if (FileStepHook()) {
        FileStepHook()(step, path);
    }
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool FolderIsGroupWritable(const std::string& path) {
    const auto folder = Stat(FolderOf(path));
    return folder && (folder->st_mode & S_IWGRP) != 0;
}

// Gives the open file `path` the permissions and group of `replaced`, when there is one, and read
// and write for the group in a folder the group may write in. Only the file's owner may change
// them; a group this user is not a member of is left as it is.
void ShareWithGroup(int fd, const std::string& path, const std::optional<struct stat>& replaced) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        return;
    }
    mode_t mode = info.st_mode & 07777;
    if (replaced) {
        if (replaced->st_gid != info.st_gid) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd, static_cast<uid_t>(-1), replaced->st_gid);
        }
        mode = replaced->st_mode & 0777;
    }
    if (FolderIsGroupWritable(path)) {
        mode |= S_IRGRP | S_IWGRP;
    }
    if (mode != (info.st_mode & 07777)) {
        ::fchmod(fd, mode);
    }
}

// Closes the file however the write ends, a simulated stop included.
class OpenFile {
public:
    OpenFile(const std::string& path, const std::optional<struct stat>& replaced)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode)) {
        if (fd_ >= 0) {
            ShareWithGroup(fd_, path, replaced);
        }
    }
    ~OpenFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Fd() const { return fd_; }
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

TextToShow FileErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return ShownText("Files", "%1 was not found.");
    case ENOTDIR:
    case ENAMETOOLONG:
        return ShownText("Files", "%1 contains an invalid path.");
    case EACCES:
    case EPERM:
    case EROFS:
        return ShownText("Files", "Access to %1 was denied.");
    case EBUSY:
        return ShownText("Files", "A sharing violation occurred while accessing %1.");
    case ENOSPC:
    case EDQUOT:
        return ShownText("Files", "Disk full while accessing %1.");
    case EIO:
        return ShownText("Files", "A hardware I/O error was reported while accessing %1.");
    default:
        return ShownText("Files", "An unknown error occurred while accessing %1.");
    }
}

void ShowFileError(const std::string& path, int errorNumber) {
    GetMessageBoxes().Show(
        {.text = Say(FileErrorText(errorNumber), {path}), .icon = MbIcon::Exclamation});
}

} // namespace

int OpenSharedFile(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, kNewFileMode);
    if (fd >= 0) {
        ShareWithGroup(fd, path, std::nullopt);
    }
    return fd;
}

std::string TemporaryPathFor(const std::string& path) {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0) {
        host[0] = '\0';
    }
    std::string name = path + "tmp" + std::to_string(::getpid());
    if (host[0] != '\0') {
        name += '.';
        name += host;
    }
    return name;
}

bool IsAccessDenied(const std::string& path) {
    return ::access(path.c_str(), R_OK) != 0 && errno == EACCES;
}

std::optional<std::string> GroupOwning(const std::string& path) {
    const auto info = Stat(path);
    if (!info) {
        return std::nullopt;
    }
    const group* owner = ::getgrgid(info->st_gid);
    if (owner == nullptr || owner->gr_name == nullptr) {
        return std::nullopt;
    }
    return std::string(owner->gr_name);
}

bool FileExists(const std::string& path) {
    return Stat(path).has_value();
}

std::optional<std::int64_t> FileSize(const std::string& path) {
    const auto info = Stat(path);
    if (!info) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info->st_size);
}

bool IsReadOnly(const std::string& path) {
    const auto info = Stat(path);
    return info && (info->st_mode & S_IWUSR) == 0;
}

void ClearReadOnly(const std::string& path) {
    const auto info = Stat(path);
    if (info && (info->st_mode & S_IWUSR) == 0) {
        ::chmod(path.c_str(), (info->st_mode & 07777) | S_IWUSR);
    }
}

std::string ResolveInstalledPath(const std::string& path) {
    if (FileExists(path) || path.empty() || path.front() != '/') {
        return path;
    }
    std::string resolved;
    std::size_t start = 1;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string name = path.substr(start, slash - start);
        start = slash + 1;
        if (name.empty()) {
            continue;
        }
        const std::string exact = resolved + "/" + name;
        if (FileExists(exact)) {
            resolved = exact;
            continue;
        }
        const auto match = FindIgnoringCase(resolved, name);
        if (!match) {
            return path;
        }
        resolved += "/" + *match;
    }
    return resolved;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // A read-only file is refused even to a user the system would let through (root).
    if (IsReadOnly(path)) {
        errno = EACCES;
        return false;
    }
    const int fd = OpenSharedFile(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, bytes.data(), bytes.size());
    return ::close(fd) == 0 && written;
}

bool WriteFileDurably(const std::string& path, std::span<const std::uint8_t> bytes,
                      const std::string& replacing) {
    OpenFile file(path, replacing.empty() ? std::nullopt : Stat(replacing));
    if (file.Fd() < 0) {
        return false;
    }
    StepDone(FileStep::Created, path);
    while (!bytes.empty()) {
        const auto piece = bytes.first(std::min(bytes.size(), kPieceSize));
        if (!WriteAll(file.Fd(), piece.data(), piece.size())) {
            return false;
        }
        bytes = bytes.subspan(piece.size());
        StepDone(FileStep::PieceWritten, path);
    }
    if (!FlushFile(file.Fd(), path)) {
        return false;
    }
    const bool closed = file.Close();
    StepDone(FileStep::Closed, path);
    return closed;
}

bool FlushFile(int fd, const std::string& path) {
    if (::fsync(fd) != 0) {
        return false;
    }
    StepDone(FileStep::Flushed, path);
    return true;
}

namespace {

// Opens `path` (a folder with O_DIRECTORY among `flags`), runs `flush` on it and, when that
// worked, reports `step`.
bool FlushOpened(const std::string& path, int flags, int (*flush)(int), FileStep step) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0) {
        return false;
    }
    const bool flushed = flush(fd) == 0;
    ::close(fd);
    if (flushed) {
        StepDone(step, path);
    }
    return flushed;
}

} // namespace

bool FlushFolderOf(const std::string& path) {
    return FlushOpened(FolderOf(path), O_DIRECTORY, ::fsync, FileStep::FolderFlushed);
}

bool FlushFileSystemOf(const std::string& path) {
    return FlushOpened(path, 0, ::syncfs, FileStep::Flushed);
}

void SetFileStepHook(std::function<void(FileStep, const std::string&)> hook) {
    FileStepHook() = std::move(hook);
}

std::string FileErrorMessage(const std::string& path, int errorNumber) {
    return English(FileErrorText(errorNumber), {path});
}

bool ReplaceFileWith(const std::string& temporaryPath, const std::string& targetPath) {
    if (std::rename(temporaryPath.c_str(), targetPath.c_str()) != 0) {
        ShowFileError(temporaryPath, errno);
        return false;
    }
    StepDone(FileStep::Renamed, targetPath);
    // The new name is in place either way; a folder that cannot be flushed only loses durability.
    FlushFolderOf(targetPath);
    return true;
}

bool DeleteFileReporting(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        ShowFileError(path, errno);
        return false;
    }
    return true;
}

} // namespace platform
