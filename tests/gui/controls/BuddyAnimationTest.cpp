#include "gui/controls/BuddyAnimation.h"
#include "GuiTestSupport.h"

#include <numeric>

// Without "-nofrog" (the review window's tests cover it). A hop shows ten frames with a croak; the
// run to the end a croak every ten frames; the tenth hop ends on the last frame, then shows frame
// one again, where the next review starts.
TEST(BuddyAnimationTest, HopsTenFramesWithACroakAndRunsToTheEndWithACroakEveryTen) {
    const struct {
        int from;
        bool runToEnd;
        int to, croaks, counter, resting;
    } rows[] = {{1, false, 10, 1, 11, 11}, {11, true, 100, 9, 101, 1}, {91, false, 100, 1, 1, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.from);
        platform::fakes::FakePlatform fakes;
        BuddyFrameCounter() = row.from;
        std::vector<int> shown;
        BuddyAnimation buddy{[&](int frame) {
            // Each frame is on screen before the next is drawn: 40 ms apart.
            EXPECT_EQ(fakes.clock.sleptMilliseconds, 40 * shown.size());
            shown.push_back(frame);
        }};
        row.runToEnd ? buddy.RunToEnd() : buddy.Hop();
        std::vector<int> expected(static_cast<std::size_t>(row.to - row.from + 1));
        std::iota(expected.begin(), expected.end(), row.from);
        if (row.from == 91) {
            expected.push_back(1);
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(fakes.clock.sleptMilliseconds, 40 * shown.size());
        EXPECT_EQ(guitest::Played(fakes, "ribbit.wav"), row.croaks);
        EXPECT_EQ(BuddyFrameCounter(), row.counter);
        EXPECT_EQ(buddy.RestingFrame(), row.resting);
    }
}
