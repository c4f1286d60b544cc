#include "gui/TestingLayout.h"
#include "gui/DebugAnswerFile.h"

#include <gtest/gtest.h>

TEST(TestingLayoutTest, TruncatesEveryFractionOfTheClientSize) {
    // 0.4 x 768 = 307.2 and 0.74 x 1025 = 758.5.
    const TestingLayout layout = ComputeTestingLayout(1025, 768, 40);
    EXPECT_EQ(layout.columnRight, 758);
    EXPECT_EQ(layout.cardArea, (platform::GdiRect{1, 43, 757, 350}));
    EXPECT_EQ(layout.statusBox, (platform::GdiRect{760, 43, 1024, 350}));
    EXPECT_EQ(layout.padArea, (platform::GdiRect{0, 352, 758, 768}));
    EXPECT_EQ(layout.buttonArea, (platform::GdiRect{760, 352, 1025, 768}));
}

TEST(TestingLayoutTest, CardsShareTheRowAndRepeatEverySeven) {
    const platform::GdiRect area{1, 43, 591, 283}; // 590 wide: shares of 83
    EXPECT_EQ(CardPlace(area, 0, {70, 101}), QPoint(9, 112));
    EXPECT_EQ(CardPlace(area, 6, {70, 101}), QPoint(507, 112));
    EXPECT_EQ(CardPlace(area, 7, {70, 101}), CardPlace(area, 0, {70, 101}));
    // A card wider than its share still starts inside it, truncated toward zero.
    EXPECT_EQ(CardPlace(area, 1, {90, 101}).x(), 82); // 83 + 1 + 2 - 3.5
    EXPECT_EQ(CentreIn({0, 100, 592, 601}, {541, 225}), QPoint(25, 238));
}

TEST(DebugAnswerFileTest, MultiplicationIsTypedDigitByDigitOtherAnswersAreOneKey) {
    const auto keys = [](int operation, int answer) {
        return AnswerKeyPresses(
            {.operation = operation, .correctAnswer = static_cast<std::int16_t>(answer)});
    };
    EXPECT_EQ(keys(kTimes, 56), "5,6,E");
    EXPECT_EQ(keys(kTimes, 7), "7,E");
    EXPECT_EQ(keys(kTimes, 0), "0,E");
    EXPECT_EQ(keys(kTimes, 144), "1,4,E") << "the pad takes two digits";
    EXPECT_EQ(keys(kPlus, 12), "12");
    EXPECT_EQ(keys(kDividedBy, 0), "0");
}
