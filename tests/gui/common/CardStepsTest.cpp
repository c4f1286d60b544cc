#include "gui/common/CardSteps.h"

#include <gtest/gtest.h>

// The windows' tests follow every step of a card through its timings; these are what no window
// shows: the card a step starts from, and the card left when the steps stop.
TEST(CardStepsTest, ACardStartsEmptyWaitingForItsFirstTryAndStopsEmpty) {
    Problem fact;
    fact.firstOperand = 7;
    fact.secondOperand = 5;
    fact.operation = kPlus;
    fact.correctAnswer = 12;
    fact.enteredAnswer = 3; // a stale answer the card must not keep
    CardSteps steps;
    steps.Present(fact, 5'000);
    EXPECT_EQ(steps.State(), ReviewState::FirstTry);
    EXPECT_TRUE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().enteredAnswer, kNoValue);
    EXPECT_EQ(steps.Card().correctAnswer, 12);

    steps.Stop();
    EXPECT_EQ(steps.State(), ReviewState::Idle);
    EXPECT_FALSE(steps.TakesAnswers());
    for (const std::int16_t cleared :
         {steps.Card().firstOperand, steps.Card().secondOperand, steps.Card().enteredAnswer}) {
        EXPECT_EQ(cleared, kNoValue);
    }
    EXPECT_FALSE(steps.Tick(100'000).Changed()) << "no card, no steps";
    EXPECT_FALSE(steps.Answer(12, 100'000).Changed());
}
