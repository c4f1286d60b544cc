#include "gui/common/DebugAnswerFile.h"

#include <gtest/gtest.h>

// The windows' tests read the usual answers from the files; these are the edges.
TEST(DebugAnswerFileTest, MultiplicationIsTypedDigitByDigitOtherAnswersAreOneKey) {
    const auto keys = [](int operation, int answer) {
        return AnswerKeyPresses(
            {.operation = operation, .correctAnswer = static_cast<std::int16_t>(answer)});
    };
    EXPECT_EQ(keys(kTimes, 0), "0,E");
    EXPECT_EQ(keys(kTimes, 144), "1,4,E") << "the pad takes two digits";
    EXPECT_EQ(keys(kDividedBy, 0), "0");
}
