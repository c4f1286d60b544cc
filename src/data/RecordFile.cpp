#include "RecordFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace data {
namespace {

constexpr std::size_t kPieceSize = 4096;

std::function<void()>& FileStepHook() {
    static std::function<void()> hook;
    return hook;
}

void FileStepDone() {
    if (FileStepHook()) {
        FileStepHook()();
    }
}

bool WritePiece(int fd, std::span<const std::uint8_t> piece) {
    while (!piece.empty()) {
        const ssize_t written = ::write(fd, piece.data(), piece.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        piece = piece.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Closes the file however the write ends, a simulated stop included.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                     platform::kNewFileMode)) {}
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

} // namespace

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    OpenFile file(path);
    if (file.Fd() < 0) {
        return false;
    }
    FileStepDone();
    while (!bytes.empty()) {
        const auto piece = bytes.first(std::min(bytes.size(), kPieceSize));
        if (!WritePiece(file.Fd(), piece)) {
            return false;
        }
        bytes = bytes.subspan(piece.size());
        FileStepDone();
    }
    const bool closed = file.Close();
    FileStepDone();
    return closed;
}

ReplaceOutcome ReplaceRecordFile(const std::string& temporaryPath, const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes) {
    if (!WriteWholeFile(temporaryPath, bytes)) {
        ::unlink(temporaryPath.c_str());
        return ReplaceOutcome::TemporaryNotWritten;
    }
    if (!platform::ReplaceFileWith(temporaryPath, targetPath)) {
        return ReplaceOutcome::NotRenamed;
    }
    FileStepDone();
    return ReplaceOutcome::Replaced;
}

std::optional<std::vector<std::uint8_t>> ReadRecordOrItsCopy(const std::string& path) {
    if (auto bytes = platform::ReadFileBytes(path)) {
        return bytes;
    }
    platform::ReplaceFileWith(path + "tmp", path);
    return platform::ReadFileBytes(path);
}

void SetFileStepHook(std::function<void()> hook) {
    FileStepHook() = std::move(hook);
}

} // namespace data
