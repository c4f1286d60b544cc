#include "CardSteps.h"

#include "data/CStudent.h"

bool CardStepChange::TimedOut() const {
    return to == ReviewState::ShowAnswer &&
           (from == ReviewState::FirstTry || from == ReviewState::SecondTry);
}

std::uint32_t StepLength(ReviewState state) {
    switch (state) {
    case ReviewState::FirstTry:
    case ReviewState::SecondTry:
        return step_time::kTry;
    case ReviewState::TryAgain:
        return step_time::kTryAgain;
    case ReviewState::Almost:
        return step_time::kAlmost;
    case ReviewState::ShowAnswer:
        return step_time::kShowAnswer;
    case ReviewState::Correct:
        return step_time::kCorrect;
    case ReviewState::Idle:
        break;
    }
    return 0;
}

bool IsRightAnswer(const Problem& problem, std::int16_t answer) {
    return answer == problem.correctAnswer;
}

void CardSteps::Present(const Problem& problem, std::uint32_t now) {
    card_ = problem;
    card_.enteredAnswer = kNoValue;
    state_ = ReviewState::FirstTry;
    stepStart_ = now;
}

void CardSteps::Stop() {
    state_ = ReviewState::Idle;
    card_.firstOperand = card_.secondOperand = card_.enteredAnswer = kNoValue;
}

bool CardSteps::TakesAnswers() const {
    return state_ == ReviewState::FirstTry || state_ == ReviewState::SecondTry;
}

void TellStudent(CStudent& student, const CardStepChange& change) {
    if (change.news == MistakeNews::RightFirstTry) {
        student.RecordCorrectAnswer(change.told);
    } else if (change.news == MistakeNews::Mistake) {
        student.AddMistake(change.told);
    }
    if (change.EndsFirstTry()) {
        student.RecordFirstTry(change.told, change.news == MistakeNews::RightFirstTry,
                               change.tryMs);
    }
}

CardStepChange CardSteps::MoveTo(ReviewState to, std::uint32_t now, MistakeNews news) {
    const CardStepChange change{.from = state_,
                                .to = to,
                                .news = news,
                                .told = card_,
                                .tryMs = TakesAnswers() ? now - stepStart_ : 0};
    state_ = to;
    stepStart_ = now;
    return change;
}

CardStepChange CardSteps::Answer(std::int16_t answer, std::uint32_t now) {
    if (!TakesAnswers()) {
        return {.from = state_, .to = state_};
    }
    const bool firstTry = state_ == ReviewState::FirstTry;
    card_.enteredAnswer = answer;
    if (IsRightAnswer(card_, answer)) {
        return MoveTo(ReviewState::Correct, now,
                      firstTry ? MistakeNews::RightFirstTry : MistakeNews::None);
    }
    // A wrong second answer is the same mistake again: it is not told twice.
    return firstTry ? MoveTo(ReviewState::TryAgain, now, MistakeNews::Mistake)
                    : MoveTo(ReviewState::Almost, now, MistakeNews::None);
}

CardStepChange CardSteps::Tick(std::uint32_t now) {
    // Strictly more than the step's time, as the windows' timers have always counted.
    if (state_ == ReviewState::Idle || now - stepStart_ <= StepLength(state_)) {
        return {.from = state_, .to = state_};
    }
    CardStepChange change;
    switch (state_) {
    case ReviewState::FirstTry:
    case ReviewState::SecondTry:
        change = MoveTo(ReviewState::ShowAnswer, now, MistakeNews::Mistake);
        card_.enteredAnswer = card_.correctAnswer;
        return change;
    case ReviewState::TryAgain:
        change = MoveTo(ReviewState::SecondTry, now, MistakeNews::None);
        card_.enteredAnswer = kNoValue;
        return change;
    case ReviewState::Almost:
        change = MoveTo(ReviewState::ShowAnswer, now, MistakeNews::None);
        card_.enteredAnswer = card_.correctAnswer;
        return change;
    default: // ShowAnswer, Correct
        return {.from = state_, .to = state_, .cardDone = true};
    }
}
