#pragma once

#include "ReviewState.h"
#include "data/Problem.h"
#include "platform/qt/GdiDc.h"

#include <QColor>
#include <QImage>
#include <QString>

class CNumberPadCtl;

// What the mistake review and the training run draw the same way around a flash card.

// The pad for `problem`: digits and Enter for a multiplication, one key per answer otherwise.
void SetPadLayoutFor(CNumberPadCtl& pad, const Problem& problem);

// The colour a card's answer is written in at each step: red for a wrong answer, blue for the
// answer shown after two misses or a time-out, green for a right one, black otherwise.
QColor AnswerColour(ReviewState state);

// The card as a screen reader says it at each step: the problem while it waits for a try, then
// what the feedback picture and the answer on the card say ("7 plus 8 is not 14. Try again.");
// nothing while there is no card.
QString SpokenCardStep(ReviewState state, const Problem& card);

// The card's background and the four feedback pictures of the screen folder "Review".
class FeedbackPictures {
public:
    // Reads the pictures; a missing one stays out of the drawing.
    void Load();
    const QImage& CardBackground() const { return card_; }
    // The picture that goes with `state`; a null picture for the tries and Idle.
    const QImage& For(ReviewState state) const;

private:
    QImage card_;
    QImage correct_;
    QImage correctAnswer_;
    QImage tryAgain_;
    QImage almost_;
    QImage none_;
};

// Puts the pad's answer display at `displayRect` once the card has moved to another step since
// the last card drawn (by any window of the run): cleared and shown for a try, hidden otherwise,
// so digits typed for one try never carry into the next.
void SyncAnswerDisplay(CNumberPadCtl& pad, ReviewState state, const platform::GdiRect& displayRect);

// Where the typed digits stand over a card's answer box: a little wider and taller than it and a
// little lower, so they sit where the answer will be written.
platform::GdiRect AroundAnswerBox(const platform::GdiRect& answerBox);
