#pragma once

#include <optional>
#include <string>

namespace platform {

// What the program knows about its own process.
class IProcess {
public:
    virtual ~IProcess() = default;
    virtual std::string ExecutablePath() = 0;
    // The whole command line, program path included, arguments joined by blanks.
    virtual std::string CommandLine() = 0;
    // Ends the message loop once control returns to it.
    virtual void PostQuit() = 0;
    // The value of an environment variable; nothing when it is not set.
    virtual std::optional<std::string> Environment(const std::string& name) = 0;
};

} // namespace platform
