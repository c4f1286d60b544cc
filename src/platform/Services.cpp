#include "Services.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

Services installed;

template <typename T> T& Require(T* service, const char* name) {
    if (service == nullptr) {
        std::fprintf(stderr, "Tallyhop: the %s service is not installed\n", name);
        std::abort();
    }
    return *service;
}

} // namespace

ServicesScope::ServicesScope(const Services& services) : previous_(installed) {
    installed = services;
}

ServicesScope::~ServicesScope() {
    installed = previous_;
}

IClock& GetClock() {
    return Require(installed.clock, "clock");
}
IMessageBoxes& GetMessageBoxes() {
    return Require(installed.messageBoxes, "message box");
}
IDisplay& GetDisplay() {
    return Require(installed.display, "display");
}
ISound& GetSound() {
    return Require(installed.sound, "sound");
}
IShell& GetShell() {
    return Require(installed.shell, "shell");
}
IKeyboardState& GetKeyboard() {
    return Require(installed.keyboard, "keyboard");
}
IProcess& GetProcess() {
    return Require(installed.process, "process");
}

} // namespace platform

namespace platform {

ScreenSize GetScreenSize() {
    return GetDisplay().CurrentSize();
}

} // namespace platform
