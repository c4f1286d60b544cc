#pragma once

#include "platform/LinuxProcess.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"
#include "platform/qt/KeyboardWatcher.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSound.h"

#include <memory>
#include <optional>

// The real services, installed for the life of the object. Needs a running QApplication.
class RealPlatform {
public:
    RealPlatform();
    ~RealPlatform();
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

private:
    platform::SystemClock clock_;
    platform::LinuxProcess process_;
    platform::QtMessageBoxes messageBoxes_;
    std::unique_ptr<platform::IDisplay> display_;
    platform::QtSound sound_;
    platform::QtShell shell_;
    platform::KeyboardWatcher keyboard_;
    std::optional<platform::ServicesScope> scope_;
};
