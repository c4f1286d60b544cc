#include "LinuxProcess.h"

#include "Files.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace platform {

LinuxProcess::LinuxProcess(std::function<void()> postQuit) : postQuit_(std::move(postQuit)) {
}

std::string LinuxProcess::ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string LinuxProcess::CommandLine() {
    // The full program path first, as the desktop starts programs, then the arguments as given.
    std::string line = ExecutablePath();
    const auto raw = ReadFileBytes("/proc/self/cmdline");
    if (!raw) {
        return line;
    }
    bool first = true;
    std::string argument;
    for (const std::uint8_t byte : *raw) {
        if (byte != 0) {
            argument += static_cast<char>(byte);
            continue;
        }
        if (!first) {
            line += ' ';
            line += argument;
        }
        first = false;
        argument.clear();
    }
    return line;
}

void LinuxProcess::PostQuit() {
    postQuit_();
}

std::optional<std::string> LinuxProcess::Environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace platform
