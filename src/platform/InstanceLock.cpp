#include "InstanceLock.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace platform {

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

std::string InstanceLock::DefaultPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::string(runtime) + "/TALLYHOP_MUTEX";
    }
    return "/tmp/TALLYHOP_MUTEX-" + std::to_string(::getuid());
}

} // namespace platform
