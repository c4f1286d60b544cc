#pragma once

#include "../Display.h"

namespace platform {

// Where the system offers no mode switching (no RandR, the offscreen platform): one 800 × 600
// mode at the screen's depth, presented as a stage centred on the real screen.
class VirtualDisplay final : public IDisplay {
public:
    VirtualDisplay(ScreenSize screen, int depth);
    std::optional<DisplayMode> EnumMode(int index) override;
    bool ChangeMode(const DisplayMode& mode) override;
    void Restore() override;
    ScreenSize CurrentSize() override;

    static constexpr ScreenSize kStage{800, 600};

private:
    ScreenSize screen_;
    int depth_;
    bool onStage_ = false;
};

} // namespace platform
