#pragma once

#include "Clock.h"
#include "Display.h"
#include "KeyboardState.h"
#include "MessageBoxes.h"
#include "Process.h"
#include "Shell.h"
#include "Sound.h"

namespace platform {

// The services every layer reaches the outside world through. The program installs the real
// implementations at start-up; each test installs fakes for the duration of a ServicesScope.
struct Services {
    IClock* clock = nullptr;
    IMessageBoxes* messageBoxes = nullptr;
    IDisplay* display = nullptr;
    ISound* sound = nullptr;
    IShell* shell = nullptr;
    IKeyboardState* keyboard = nullptr;
    IProcess* process = nullptr;
};

// Installs `services` and puts back the previous ones when it goes out of scope.
class ServicesScope {
public:
    explicit ServicesScope(const Services& services);
    ~ServicesScope();
    ServicesScope(const ServicesScope&) = delete;
    ServicesScope& operator=(const ServicesScope&) = delete;

private:
    Services previous_;
};

// Each accessor aborts with a clear message when its service is not installed: that is a
// programming error, not a run-time condition.
IClock& GetClock();
IMessageBoxes& GetMessageBoxes();
IDisplay& GetDisplay();
ISound& GetSound();
IShell& GetShell();
IKeyboardState& GetKeyboard();
IProcess& GetProcess();

} // namespace platform
