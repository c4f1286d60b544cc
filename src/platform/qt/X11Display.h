#pragma once

#include "../Display.h"

#include <memory>

namespace platform {

// The primary output of an X11 display through RandR. Modes are reported at the root window's
// depth, the only depth an X screen has; a switch to another depth is refused.
class X11Display final : public IDisplay {
public:
    // Nothing when the display cannot be opened or has no RandR.
    static std::unique_ptr<X11Display> Open();
    ~X11Display() override;

    std::optional<DisplayMode> EnumMode(int index) override;
    bool ChangeMode(const DisplayMode& mode) override;
    void Restore() override;
    ScreenSize CurrentSize() override;

private:
    struct State;
    explicit X11Display(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace platform
