#include "FlashCardDisplay.h"

#include "CNumberPadCtl.h"
#include "FactText.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QCoreApplication>

namespace {

constexpr const char* kFolder = "Review";

// The card step drawn last; one value for the whole run.
ReviewState& LastDrawnCardState() {
    static ReviewState state = ReviewState::Idle;
    return state;
}

} // namespace

void SetPadLayoutFor(CNumberPadCtl& pad, const Problem& problem) {
    if (problem.operation == kTimes) {
        pad.SetMultiplicationLayout();
    } else {
        pad.SetStandardLayout();
    }
}

QColor AnswerColour(ReviewState state) {
    switch (state) {
    case ReviewState::TryAgain:
    case ReviewState::Almost:
        return {255, 0, 0};
    case ReviewState::ShowAnswer:
        return {0, 0, 255};
    case ReviewState::Correct:
        return {0, 255, 0};
    default:
        return Qt::black;
    }
}

QString SpokenCardStep(ReviewState state, const Problem& card) {
    const QString fact = SpokenFact(card);
    const QString answer = QString::number(card.enteredAnswer);
    switch (state) {
    case ReviewState::FirstTry:
    case ReviewState::SecondTry:
        return fact;
    case ReviewState::TryAgain:
        return QCoreApplication::translate("SpokenCard", "%1 is not %2. Try again.")
            .arg(fact, answer);
    case ReviewState::Almost:
        return QCoreApplication::translate("SpokenCard", "Almost! %1 is not %2.").arg(fact, answer);
    case ReviewState::ShowAnswer:
        return QCoreApplication::translate("SpokenCard", "The answer: %1 equals %2.")
            .arg(fact, answer);
    case ReviewState::Correct:
        return QCoreApplication::translate("SpokenCard", "Great! %1 equals %2.").arg(fact, answer);
    default:
        return {};
    }
}

void FeedbackPictures::Load() {
    card_ = platform::LoadScreenBitmap(kFolder, "flashCardBackground");
    correct_ = platform::LoadScreenBitmap(kFolder, "correctText");
    correctAnswer_ = platform::LoadScreenBitmap(kFolder, "correctanswerText");
    tryAgain_ = platform::LoadScreenBitmap(kFolder, "tryagainText");
    almost_ = platform::LoadScreenBitmap(kFolder, "almostText");
}

const QImage& FeedbackPictures::For(ReviewState state) const {
    switch (state) {
    case ReviewState::TryAgain:
        return tryAgain_;
    case ReviewState::Almost:
        return almost_;
    case ReviewState::ShowAnswer:
        return correctAnswer_;
    case ReviewState::Correct:
        return correct_;
    default:
        return none_;
    }
}

void SyncAnswerDisplay(CNumberPadCtl& pad, ReviewState state,
                       const platform::GdiRect& displayRect) {
    if (state == LastDrawnCardState()) {
        return;
    }
    LastDrawnCardState() = state;
    pad.SetDisplayRect(displayRect);
    if (state == ReviewState::FirstTry || state == ReviewState::SecondTry) {
        pad.ClearValue();
        pad.ShowValue(true);
    } else {
        pad.ShowValue(false);
    }
}

platform::GdiRect AroundAnswerBox(const platform::GdiRect& answerBox) {
    return {answerBox.left - 8, answerBox.top - 2 + 6, answerBox.right + 8,
            answerBox.bottom + 2 + 6};
}
