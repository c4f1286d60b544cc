#pragma once

#include <string>

namespace platform {

// Marks the one running copy of the program: an exclusive lock on a file in the user's runtime
// folder. The lock dies with its holder, so a copy that was killed never blocks the next start.
class InstanceLock {
public:
    explicit InstanceLock(std::string path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Waits up to 10 ms for the lock. False only when another copy holds it; true when it is
    // ours (also when we hold it already) and when the lock file cannot be created at all.
    bool IsFirstInstance();
    void Release();

    // $XDG_RUNTIME_DIR/TALLYHOP_MUTEX, or /tmp/TALLYHOP_MUTEX-<uid> without a runtime folder.
    static std::string DefaultPath();

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace platform
