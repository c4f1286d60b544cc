#pragma once

#include "Process.h"

#include <functional>

namespace platform {

class LinuxProcess final : public IProcess {
public:
    explicit LinuxProcess(std::function<void()> postQuit);
    std::string ExecutablePath() override;
    std::string CommandLine() override;
    void PostQuit() override;
    std::optional<std::string> Environment(const std::string& name) override;

private:
    std::function<void()> postQuit_;
};

} // namespace platform
