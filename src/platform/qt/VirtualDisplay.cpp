#include "VirtualDisplay.h"

namespace platform {

VirtualDisplay::VirtualDisplay(ScreenSize screen, int depth) : screen_(screen), depth_(depth) {
}

std::optional<DisplayMode> VirtualDisplay::EnumMode(int index) {
    if (index != 0) {
        return std::nullopt;
    }
    return DisplayMode{kStage.width, kStage.height, depth_};
}

bool VirtualDisplay::ChangeMode(const DisplayMode& mode) {
    if (mode != DisplayMode{kStage.width, kStage.height, depth_}) {
        return false;
    }
    onStage_ = true;
    return true;
}

void VirtualDisplay::Restore() {
    onStage_ = false;
}

ScreenSize VirtualDisplay::CurrentSize() {
    return onStage_ ? kStage : screen_;
}

} // namespace platform
