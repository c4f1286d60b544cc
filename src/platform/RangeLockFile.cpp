#include "RangeLockFile.h"

#include "Files.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

struct flock Range(short type, std::uint64_t start, std::uint64_t length) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(start);
    range.l_len = static_cast<off_t>(length);
    range.l_pid = 0; // open file description locks ask for it
    return range;
}

} // namespace

RangeLockFile::RangeLockFile(const std::string& path)
    : fd_(OpenSharedFile(path, O_RDWR | O_CREAT)) {
    if (fd_ < 0) {
        error_ = errno;
    }
}

RangeLockFile::~RangeLockFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

RangeLockFile::Result RangeLockFile::TryLock(std::uint64_t start, std::uint64_t length) {
    struct flock range = Range(F_WRLCK, start, length);
    int result = 0;
    do {
        result = ::fcntl(fd_, F_OFD_SETLK, &range);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return Result::Locked;
    }
    if (errno == EAGAIN || errno == EACCES) {
        return Result::HeldElsewhere;
    }
    error_ = errno;
    return Result::Failed;
}

void RangeLockFile::Unlock(std::uint64_t start, std::uint64_t length) {
    struct flock range = Range(F_UNLCK, start, length);
    ::fcntl(fd_, F_OFD_SETLK, &range);
}

bool RangeLockFile::IsLockedElsewhere(std::uint64_t start, std::uint64_t length) {
    struct flock range = Range(F_WRLCK, start, length);
    return ::fcntl(fd_, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
}

} // namespace platform
