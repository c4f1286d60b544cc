#include "BuddyAnimation.h"

#include "platform/CommandLine.h"
#include "platform/Services.h"
#include "platform/qt/ProgramSound.h"

int& BuddyFrameCounter() {
    static int frame = 1;
    return frame;
}

void BuddyAnimation::Hop() {
    Run(true, false);
}

void BuddyAnimation::RunToEnd() {
    Run(true, true);
}

int BuddyAnimation::RestingFrame() {
    if (platform::HasOption(platform::kOptionNoFrog)) {
        return 0;
    }
    int& frame = BuddyFrameCounter();
    if (frame >= kLastFrame) {
        frame = 1;
    }
    return frame;
}

void BuddyAnimation::Run(bool advance, bool runToEnd) {
    if (platform::HasOption(platform::kOptionNoFrog)) {
        return;
    }
    platform::IClock& clock = platform::GetClock();
    int& frame = BuddyFrameCounter();
    running_ = true;
    do {
        if (advance) {
            platform::PlayProgramSound(platform::ProgramSound::kRibbit);
        }
        const int target = advance ? frame + kFramesPerHop : frame;
        do {
            const std::uint32_t frameStart = clock.TickCount();
            if (frame <= kLastFrame) {
                showFrame_(frame);
            }
            frame += advance ? 1 : 0;
            const std::uint32_t spent = clock.TickCount() - frameStart;
            if (spent < kFrameMilliseconds) {
                clock.Sleep(kFrameMilliseconds - spent);
            }
        } while (frame < target);
    } while (runToEnd && frame < kLastFrame);
    running_ = false;
    if (!runToEnd && frame >= kLastFrame) {
        frame = 1;
        Run(false, false);
    }
}
