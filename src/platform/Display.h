#pragma once

#include <optional>

namespace platform {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool operator==(const DisplayMode&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// The primary display: its modes, a temporary switch and the return to the original mode.
class IDisplay {
public:
    virtual ~IDisplay() = default;
    // The mode at `index`, or nothing past the last one.
    virtual std::optional<DisplayMode> EnumMode(int index) = 0;
    virtual bool ChangeMode(const DisplayMode& mode) = 0;
    // Back to the mode the display had before the first change; nothing when none was made.
    virtual void Restore() = 0;
    virtual ScreenSize CurrentSize() = 0;
};

} // namespace platform

namespace platform {

// The screen's size in pixels as the display reports it now.
ScreenSize GetScreenSize();

} // namespace platform
