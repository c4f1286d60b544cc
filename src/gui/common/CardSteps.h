#pragma once

#include "data/Problem.h"
#include "gui/controls/ReviewState.h"

#include <cstdint>

class CStudent;

// What the mistake list is to hear of a card's step.
enum class MistakeNews {
    None,
    RightFirstTry, // RecordCorrectAnswer
    Mistake,       // AddMistake
};

// One move of a card: the step it was in, the step it is in now, and what follows from it.
struct CardStepChange {
    ReviewState from = ReviewState::Idle;
    ReviewState to = ReviewState::Idle;
    MistakeNews news = MistakeNews::None;
    // The card as the mistake list is to hear it: with the answer given, or none after a time-out
    // (not the answer then revealed).
    Problem told;
    // The feedback after the card's last try is over: the next card (or the end) is due.
    bool cardDone = false;
    // How long the try that this change ended took, from the card's readiness to the answer (or
    // to running out).
    std::uint32_t tryMs = 0;

    bool Changed() const { return from != to; }
    // A try ran out unanswered.
    bool TimedOut() const;
    bool EndsFirstTry() const { return from == ReviewState::FirstTry && to != from; }
};

// The timed steps of one flash card, shared by the mistake review and the training run: two
// tries, each followed by a feedback picture for a fixed time, and a try that ends unanswered
// after 15 s. Told the time and each answer; says which step the card is in, which answer the
// card shows, what the mistake list is to hear and when the card is done. The windows keep what
// differs: which card comes next and which pauses a training session does not count.
class CardSteps {
public:
    // `problem` becomes the card, with no answer, waiting for its first try.
    void Present(const Problem& problem, std::uint32_t now);
    // No session: Idle, and the card shows nothing.
    void Stop();

    // An answer from the pad. Only a try takes it; in any other step it changes nothing (the
    // keys are locked then, so it can only be one still on its way from a quick second click).
    CardStepChange Answer(std::int16_t answer, std::uint32_t now);
    // The window's timer: ends a try or a feedback step whose time is up.
    CardStepChange Tick(std::uint32_t now);

    ReviewState State() const { return state_; }
    // The card on screen; its entered answer is the one the card shows.
    const Problem& Card() const { return card_; }
    // Whether the pad's keys are to be open.
    bool TakesAnswers() const;

private:
    CardStepChange MoveTo(ReviewState to, std::uint32_t now, MistakeNews news);

    ReviewState state_ = ReviewState::Idle;
    Problem card_;
    std::uint32_t stepStart_ = 0;
};

// How long `state` lasts before the card moves on (a try: until it ends unanswered); 0 for Idle.
std::uint32_t StepLength(ReviewState state);

// Whether `answer` is the right answer to `problem`.
bool IsRightAnswer(const Problem& problem, std::int16_t answer);

// Tells the student's records what a card's step means to them: the mistake list its news, the
// fluency record a first try that ended.
void TellStudent(CStudent& student, const CardStepChange& change);
