#include "gui/BuddyAnimation.h"
#include "platform/fakes/FakeServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

class BuddyAnimationTest : public testing::Test {
protected:
    BuddyAnimationTest() { BuddyFrameCounter() = 1; }

    // Frames 'from' … 'to'.
    static std::vector<int> Frames(int from, int to) {
        std::vector<int> frames(static_cast<std::size_t>(to - from + 1));
        std::iota(frames.begin(), frames.end(), from);
        return frames;
    }

    int Croaks() const {
        return static_cast<int>(std::ranges::count_if(
            fakes.sound.played, [](const auto& path) { return path.ends_with("/ribbit.wav"); }));
    }

    platform::fakes::FakePlatform fakes;
    std::vector<int> shown;
    BuddyAnimation buddy{[this](int frame) {
        // Each frame is on screen before the next is drawn: 40 ms apart.
        EXPECT_EQ(fakes.clock.sleptMilliseconds, 40 * shown.size());
        shown.push_back(frame);
    }};
};

} // namespace

TEST_F(BuddyAnimationTest, HopCroaksOnceAndShowsTenFramesAtTwentyFiveASecond) {
    buddy.Hop();

    EXPECT_EQ(shown, Frames(1, 10));
    EXPECT_EQ(Croaks(), 1);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 400u);
    EXPECT_EQ(buddy.RestingFrame(), 11);
}

TEST_F(BuddyAnimationTest, TenthHopEndsOnTheLastFrameThenShowsFrameOneAgain) {
    BuddyFrameCounter() = 91;

    buddy.Hop();

    std::vector<int> expected = Frames(91, 100);
    expected.push_back(1);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(BuddyFrameCounter(), 1);
}

TEST_F(BuddyAnimationTest, RunToEndCroaksEveryTenFramesUpToTheLastAndStaysThereUntilRepainted) {
    BuddyFrameCounter() = 11;

    buddy.RunToEnd();

    EXPECT_EQ(shown, Frames(11, 100));
    EXPECT_EQ(Croaks(), 9);
    EXPECT_GT(BuddyFrameCounter(), BuddyAnimation::kLastFrame);
    EXPECT_EQ(buddy.RestingFrame(), 1) << "the next review starts from the first frame";
}

TEST_F(BuddyAnimationTest, NoFrogDrawsAndPlaysNothing) {
    fakes.process.arguments = " -nofrog";

    buddy.Hop();
    buddy.RunToEnd();

    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(fakes.sound.played.empty());
    EXPECT_EQ(buddy.RestingFrame(), 0);
    EXPECT_EQ(BuddyFrameCounter(), 1);
}
