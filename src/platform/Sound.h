#pragma once

#include <string>

namespace platform {

// Asynchronous wave playing, one sound at a time. Never blocks the caller.
class ISound {
public:
    virtual ~ISound() = default;
    // Starts the file; a file that cannot be played gives the system's default beep.
    virtual void Play(const std::string& path) = 0;
    virtual void Stop() = 0;
};

} // namespace platform
