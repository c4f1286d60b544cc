#pragma once

#include <functional>

// The review buddy: a frog that hops across the pond, ten frames a hop, one hop for every
// mistake mastered. Its progress is one counter for the whole run of the program, so it carries
// over from one review to the next. With "-nofrog" there is no frog at all: nothing is drawn or
// played.
class BuddyAnimation {
public:
    // Puts one frame on the screen, before returning, so every frame is seen.
    using ShowFrame = std::function<void(int frame)>;

    explicit BuddyAnimation(ShowFrame showFrame) : showFrame_(std::move(showFrame)) {}

    // One mastered mistake: a croak and the next ten frames, at most 25 a second. After the last
    // frame the frog starts again at frame 1.
    void Hop();
    // The list is empty: hops, a croak each, until the last frame has been shown.
    void RunToEnd();
    // The frame a repaint of the buddy area shows (0: none): the one the frog has reached, or
    // frame 1 once it has passed the last.
    int RestingFrame();
    // While a hop is on screen, repaints show the frame it last showed.
    bool IsRunning() const { return running_; }

    static constexpr int kLastFrame = 100;
    static constexpr int kFramesPerHop = 10;
    static constexpr unsigned kFrameMilliseconds = 40;

private:
    void Run(bool advance, bool runToEnd);

    ShowFrame showFrame_;
    bool running_ = false;
};

// The frame the frog has reached, shared by every review window of the run; starts at 1.
int& BuddyFrameCounter();
