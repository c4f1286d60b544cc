#include "gui/common/CardSteps.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kStart = 5'000;

// 7 + 5, shown with a stale answer that the card must not keep.
Problem SevenPlusFive() {
    Problem fact;
    fact.firstOperand = 7;
    fact.secondOperand = 5;
    fact.operation = kPlus;
    fact.correctAnswer = 12;
    fact.enteredAnswer = 3;
    return fact;
}

class CardStepsTest : public testing::Test {
protected:
    CardStepsTest() { steps.Present(SevenPlusFive(), kStart); }

    // The step ends only once strictly more than `length` ms have passed since `since`.
    CardStepChange ExpectStepEndsAfter(std::uint32_t since, std::uint32_t length) {
        const ReviewState before = steps.State();
        const CardStepChange held = steps.Tick(since + length);
        EXPECT_FALSE(held.Changed() || held.cardDone) << "still within " << length << " ms";
        EXPECT_EQ(steps.State(), before);
        return steps.Tick(since + length + 1);
    }

    CardSteps steps;
};

} // namespace

TEST_F(CardStepsTest, ACardStartsEmptyWaitingForItsFirstTryAndStopsEmpty) {
    EXPECT_EQ(steps.State(), ReviewState::FirstTry);
    EXPECT_TRUE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().enteredAnswer, kNoValue);
    EXPECT_EQ(steps.Card().correctAnswer, 12);

    steps.Stop();
    EXPECT_EQ(steps.State(), ReviewState::Idle);
    EXPECT_FALSE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().firstOperand, kNoValue);
    EXPECT_EQ(steps.Card().secondOperand, kNoValue);
    EXPECT_EQ(steps.Card().enteredAnswer, kNoValue);
    EXPECT_FALSE(steps.Tick(kStart + 100'000).Changed()) << "no session, no steps";
}

TEST_F(CardStepsTest, RightFirstTryIsToldAndShownForPointEightSeconds) {
    const CardStepChange right = steps.Answer(12, kStart + 300);
    EXPECT_EQ(right.from, ReviewState::FirstTry);
    EXPECT_EQ(right.to, ReviewState::Correct);
    EXPECT_EQ(right.news, MistakeNews::RightFirstTry);
    EXPECT_EQ(right.told.enteredAnswer, 12);
    EXPECT_FALSE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().enteredAnswer, 12);

    const CardStepChange done = ExpectStepEndsAfter(kStart + 300, 800);
    EXPECT_TRUE(done.cardDone);
    EXPECT_EQ(done.news, MistakeNews::None);
}

TEST_F(CardStepsTest, WrongFirstTryIsAMistakeThenTheCardEmptiesForTheSecondTry) {
    const CardStepChange wrong = steps.Answer(11, kStart);
    EXPECT_EQ(wrong.to, ReviewState::TryAgain);
    EXPECT_EQ(wrong.news, MistakeNews::Mistake);
    EXPECT_EQ(wrong.told.enteredAnswer, 11);
    EXPECT_EQ(steps.Card().enteredAnswer, 11) << "the wrong answer is shown in red";

    const CardStepChange again = ExpectStepEndsAfter(kStart, 1'500);
    EXPECT_EQ(again.from, ReviewState::TryAgain);
    EXPECT_EQ(again.to, ReviewState::SecondTry);
    EXPECT_EQ(again.news, MistakeNews::None);
    EXPECT_TRUE(steps.TakesAnswers());
    EXPECT_EQ(steps.Card().enteredAnswer, kNoValue);
}

TEST_F(CardStepsTest, SecondTryRightIsCorrectWithoutNewsAndWrongIsAlmostThenTheAnswer) {
    for (const bool right : {true, false}) {
        SCOPED_TRACE(right);
        steps.Present(SevenPlusFive(), kStart);
        steps.Answer(11, kStart);
        steps.Tick(kStart + 1'501);
        const std::uint32_t secondTry = kStart + 4'000;
        const CardStepChange second = steps.Answer(right ? 12 : 10, secondTry);
        EXPECT_EQ(second.from, ReviewState::SecondTry);
        EXPECT_EQ(second.news, MistakeNews::None) << "the miss was told once already";
        if (right) {
            EXPECT_EQ(second.to, ReviewState::Correct);
            EXPECT_TRUE(ExpectStepEndsAfter(secondTry, 800).cardDone);
            continue;
        }
        EXPECT_EQ(second.to, ReviewState::Almost);
        EXPECT_EQ(steps.Card().enteredAnswer, 10);
        const CardStepChange shown = ExpectStepEndsAfter(secondTry, 1'200);
        EXPECT_EQ(shown.from, ReviewState::Almost);
        EXPECT_EQ(shown.to, ReviewState::ShowAnswer);
        EXPECT_EQ(shown.news, MistakeNews::None);
        EXPECT_FALSE(shown.TimedOut());
        EXPECT_EQ(steps.Card().enteredAnswer, 12);
        EXPECT_TRUE(ExpectStepEndsAfter(secondTry + 1'201, 1'750).cardDone);
    }
}

// The mistake list hears of the card as it was left, unanswered, not with the revealed answer.
TEST_F(CardStepsTest, EitherTryRunsOutAfterFifteenSecondsIntoTheAnswerAndAMistake) {
    for (const bool secondTry : {false, true}) {
        SCOPED_TRACE(secondTry);
        steps.Present(SevenPlusFive(), kStart);
        std::uint32_t tryStart = kStart;
        if (secondTry) {
            steps.Answer(11, kStart);
            tryStart = kStart + 1'501;
            steps.Tick(tryStart);
        }
        const CardStepChange out = ExpectStepEndsAfter(tryStart, 15'000);
        EXPECT_TRUE(out.TimedOut());
        EXPECT_EQ(out.to, ReviewState::ShowAnswer);
        EXPECT_EQ(out.news, MistakeNews::Mistake);
        EXPECT_EQ(out.told.enteredAnswer, kNoValue);
        EXPECT_EQ(steps.Card().enteredAnswer, 12);
        EXPECT_FALSE(steps.TakesAnswers());
        EXPECT_TRUE(ExpectStepEndsAfter(tryStart + 15'001, 1'750).cardDone);
    }
}

TEST_F(CardStepsTest, AnswersOutsideATryChangeNothing) {
    steps.Answer(12, kStart);
    const CardStepChange late = steps.Answer(11, kStart + 10);
    EXPECT_FALSE(late.Changed());
    EXPECT_EQ(late.news, MistakeNews::None);
    EXPECT_EQ(steps.Card().enteredAnswer, 12);
    EXPECT_EQ(steps.State(), ReviewState::Correct);

    steps.Stop();
    EXPECT_FALSE(steps.Answer(12, kStart + 20).Changed());
    EXPECT_EQ(steps.State(), ReviewState::Idle);
}
