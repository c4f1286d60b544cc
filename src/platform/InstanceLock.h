#pragma once

#include <string>

namespace platform {

// Marks the one running copy of the program on a desktop: an exclusive lock on a file in the
// user's runtime folder. The lock dies with its holder, so a copy that was killed never blocks the
// next start.
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

    // The lock of the desktop the program shows on, read from the process's environment: it is
    // named after $DISPLAY (its screen number dropped), else $WAYLAND_DISPLAY, else the login
    // session $XDG_SESSION_ID, and lies in $XDG_RUNTIME_DIR, else in /tmp with the user's number
    // in its name. One account on several displays (a lab's class account, a terminal server's
    // sessions, which share one runtime folder) thus runs a copy on each, while a second copy on
    // one display, which would switch that display again, is refused.
    static std::string DesktopPath();

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace platform
