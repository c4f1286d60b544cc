#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A file of ours whose bytes are locked, a range at a time, against every other open of it: in
// another program on this computer or another, or in this program. The locks are open file
// description locks (F_OFD_SETLK): they belong to this open of the file rather than to the
// process, so two opens in one process exclude each other as two programs do, and closing some
// other descriptor of the file never drops them; the system drops them when the file is closed,
// so when the program ends or is killed. To the file system they are POSIX byte-range locks, which
// a network file system with a lock service passes on to its server (NFS: the lock manager on
// version 3, the protocol's own locks on version 4). flock would not do: over NFS the system turns
// it into a lock of the whole file, so it has no ranges. The file is created empty, shared with
// the group like every file the program writes, and never written.
class RangeLockFile {
public:
    enum class Result { Locked, HeldElsewhere, Failed };

    // Opens `path` for reading and writing (a write lock needs both), creating it when missing.
    explicit RangeLockFile(const std::string& path);
    ~RangeLockFile();
    RangeLockFile(const RangeLockFile&) = delete;
    RangeLockFile& operator=(const RangeLockFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The errno of the last open or lock that failed for another reason than a lock held
    // elsewhere.
    int LastError() const { return error_; }

    // An exclusive lock on `length` bytes from `start`; a length of 0 reaches to the end of any
    // file. Locking what this open holds already succeeds.
    Result TryLock(std::uint64_t start, std::uint64_t length);
    void Unlock(std::uint64_t start, std::uint64_t length);
    // Whether another open holds a lock on any of the bytes.
    bool IsLockedElsewhere(std::uint64_t start, std::uint64_t length);

private:
    int fd_;
    int error_ = 0;
};

} // namespace platform
