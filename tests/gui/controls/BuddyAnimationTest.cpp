#include "gui/controls/BuddyAnimation.h"
#include "GuiTestSupport.h"

#include <numeric>

namespace {

// Frames 'from' … 'to'.
std::vector<int> Frames(int from, int to) {
    std::vector<int> frames(static_cast<std::size_t>(to - from + 1));
    std::iota(frames.begin(), frames.end(), from);
    return frames;
}

// Without "-nofrog" (the review window's tests cover it).
class BuddyAnimationTest : public testing::Test {
protected:
    BuddyAnimationTest() { BuddyFrameCounter() = 1; }

    platform::fakes::FakePlatform fakes;
    std::vector<int> shown;
    BuddyAnimation buddy{[this](int frame) {
        // Each frame is on screen before the next is drawn: 40 ms apart.
        EXPECT_EQ(fakes.clock.sleptMilliseconds, 40 * shown.size());
        shown.push_back(frame);
    }};
};

} // namespace

TEST_F(BuddyAnimationTest, HopsTenFramesWithACroakAndRunsToTheEndWithACroakEveryTen) {
    buddy.Hop();
    EXPECT_EQ(shown, Frames(1, 10));
    EXPECT_EQ(guitest::Played(fakes, "ribbit.wav"), 1);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 400u);
    EXPECT_EQ(buddy.RestingFrame(), 11);

    shown.clear();
    fakes.clock.sleptMilliseconds = 0;
    buddy.RunToEnd();
    EXPECT_EQ(shown, Frames(11, 100));
    EXPECT_EQ(guitest::Played(fakes, "ribbit.wav"), 10);
    EXPECT_GT(BuddyFrameCounter(), BuddyAnimation::kLastFrame);
    EXPECT_EQ(buddy.RestingFrame(), 1) << "the next review starts from the first frame";
}

TEST_F(BuddyAnimationTest, TenthHopEndsOnTheLastFrameThenShowsFrameOneAgain) {
    BuddyFrameCounter() = 91;
    buddy.Hop();
    std::vector<int> expected = Frames(91, 100);
    expected.push_back(1);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(BuddyFrameCounter(), 1);
}
