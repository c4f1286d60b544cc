#include "gui/common/CardSteps.h"

#include <gtest/gtest.h>

// The windows' tests follow every step of a card through its timings; these are what no window
// shows: the card a step starts from, and the card left when the steps stop.
TEST(CardStepsTest, ACardStartsEmptyWaitingForItsFirstTryAndStopsEmpty) {
    CardSteps steps;
    // A stale answer (3) the card must not keep.
    steps.Present({.firstOperand = 7,
                   .secondOperand = 5,
                   .operation = kPlus,
                   .enteredAnswer = 3,
                   .correctAnswer = 12},
                  5'000);
    EXPECT_EQ(steps.State(), ReviewState::FirstTry);
    EXPECT_TRUE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().enteredAnswer, kNoValue);
    EXPECT_EQ(steps.Card().correctAnswer, 12);

    steps.Stop();
    EXPECT_EQ(steps.State(), ReviewState::Idle);
    EXPECT_FALSE(steps.TakesAnswers());
    EXPECT_EQ(std::tuple(steps.Card().firstOperand, steps.Card().secondOperand,
                         steps.Card().enteredAnswer),
              std::tuple(kNoValue, kNoValue, kNoValue));
    EXPECT_FALSE(steps.Tick(100'000).Changed()) << "no card, no steps";
    EXPECT_FALSE(steps.Answer(12, 100'000).Changed());
}
