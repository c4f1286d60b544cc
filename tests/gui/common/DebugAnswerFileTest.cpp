#include "gui/common/DebugAnswerFile.h"

#include <gtest/gtest.h>

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
