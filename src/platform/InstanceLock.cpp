#include "InstanceLock.h"

#include "Services.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

std::optional<std::string> NonEmpty(std::optional<std::string> value) {
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

// ":0.1" and ":0" are one display (one X server) with its screens; a name may hold slashes (a
// Wayland socket's full path), which a file name cannot.
std::string DesktopName(IProcess& process) {
    std::string name;
    if (const auto display = NonEmpty(process.Environment("DISPLAY"))) {
        name = *display;
        const auto colon = name.rfind(':');
        if (colon != std::string::npos) {
            name.erase(std::min(name.find('.', colon), name.size()));
        }
    } else if (const auto wayland = NonEmpty(process.Environment("WAYLAND_DISPLAY"))) {
        name = *wayland;
    } else if (const auto session = NonEmpty(process.Environment("XDG_SESSION_ID"))) {
        name = "session-" + *session;
    }
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

} // namespace

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {
}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::IsFirstInstance() {
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            return true;
        }
    }
    constexpr auto kWait = std::chrono::milliseconds(10);
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::string InstanceLock::DesktopPath() {
    IProcess& process = GetProcess();
    const auto runtime = NonEmpty(process.Environment("XDG_RUNTIME_DIR"));
    std::string path = runtime ? *runtime + "/TALLYHOP_MUTEX"
                               : "/tmp/TALLYHOP_MUTEX-" + std::to_string(::getuid());
    const std::string desktop = DesktopName(process);
    if (!desktop.empty()) {
        path += "-" + desktop;
    }
    return path;
}

} // namespace platform
