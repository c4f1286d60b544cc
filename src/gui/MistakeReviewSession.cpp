// The review session of CMistakeReviewWnd: Begin, the answers, the timed steps of each card, the
// walk through the list and the record at the end.
#include "CMistakeListCtl.h"
#include "CMistakeReviewWnd.h"
#include "CNumberPadCtl.h"
#include "CPictureButton.h"
#include "DebugAnswerFile.h"
#include "data/CStudent.h"
#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/ProgramSound.h"

namespace {

constexpr const char* kSource = "Gui classes\\Cmistakereviewwnd";
constexpr int kTimerMilliseconds = 10;
// Review goes round the first ten listed facts only.
constexpr int kCardsInTurn = 10;

std::uint32_t Now() {
    return platform::GetClock().TickCount();
}

} // namespace

void CMistakeReviewWnd::OnBegin() {
    platform::WriteTraceLog(kSource, __LINE__);
    state_ = ReviewState::FirstTry;
    listIndex_ = 0;
    problemsCompleted_ = 0;
    itemsAtStart_ = static_cast<std::int16_t>(list_->RowCount());
    sessionStart_ = stepStart_ = Now();
    timer_.start(kTimerMilliseconds, this);
    beginButton_->setEnabled(false);
    printButton_->setEnabled(false);
    PresentMistake(listIndex_);
}

void CMistakeReviewWnd::PresentMistake(int index) {
    current_ = GetCurrentStudent().GetMistake(index);
    current_.enteredAnswer = kNoValue;
    list_->SelectFact(current_);
    if (current_.operation == kTimes) {
        pad_->SetMultiplicationLayout();
    } else {
        pad_->SetStandardLayout();
    }
    pad_->EnableKeys(true);
    RedrawCard();
    if (platform::HasOption(platform::kOptionDebug)) {
        WriteDebugAnswer();
    }
}

void CMistakeReviewWnd::WriteDebugAnswer() const {
    WriteDebugAnswerFile(platform::GetBaseFolder() + "/reviewAnswer.dat",
                         {AnswerKeyPresses(current_)});
}

void CMistakeReviewWnd::OnAnswer(int answer) {
    CStudent& student = GetCurrentStudent();
    const ReviewState before = state_;
    current_.enteredAnswer = static_cast<std::int16_t>(answer);
    if (current_.enteredAnswer == current_.correctAnswer) {
        if (state_ == ReviewState::FirstTry) {
            student.RecordCorrectAnswer(current_);
        }
        platform::PlayProgramSound(platform::ProgramSound::kType);
        if (state_ == ReviewState::FirstTry || state_ == ReviewState::SecondTry) {
            state_ = ReviewState::Correct;
        }
    } else {
        platform::PlayProgramSound(platform::ProgramSound::kWrongAnswer);
        if (state_ == ReviewState::FirstTry) {
            student.AddMistake(current_);
            state_ = ReviewState::TryAgain;
        } else if (state_ == ReviewState::SecondTry) {
            state_ = ReviewState::Almost;
        }
    }
    if (state_ != before) {
        stepStart_ = Now();
        pad_->EnableKeys(false);
    }
    list_->Fill(student);
    RedrawCard();
}

void CMistakeReviewWnd::timerEvent(QTimerEvent*) {
    OnTimer();
}

void CMistakeReviewWnd::OnTimer() {
    const std::uint32_t elapsed = Now() - stepStart_;
    switch (state_) {
    case ReviewState::FirstTry:
    case ReviewState::SecondTry:
        if (elapsed > step_time::kTry) {
            GetCurrentStudent().AddMistake(current_);
            current_.enteredAnswer = current_.correctAnswer;
            EnterStep(ReviewState::ShowAnswer, false);
        }
        break;
    case ReviewState::TryAgain:
        if (elapsed > step_time::kTryAgain) {
            current_.enteredAnswer = kNoValue;
            EnterStep(ReviewState::SecondTry, true);
        }
        break;
    case ReviewState::Almost:
        if (elapsed > step_time::kAlmost) {
            current_.enteredAnswer = current_.correctAnswer;
            EnterStep(ReviewState::ShowAnswer, false);
        }
        break;
    case ReviewState::ShowAnswer:
        if (elapsed > step_time::kShowAnswer) {
            NextProblem();
        }
        break;
    case ReviewState::Correct:
        if (elapsed > step_time::kCorrect) {
            NextProblem();
        }
        break;
    case ReviewState::Idle:
        break;
    }
}

void CMistakeReviewWnd::EnterStep(ReviewState state, bool keysEnabled) {
    state_ = state;
    stepStart_ = Now();
    RedrawCard();
    pad_->EnableKeys(keysEnabled);
}

void CMistakeReviewWnd::NextProblem() {
    pad_->EnableKeys(false);
    ++problemsCompleted_;
    CStudent& student = GetCurrentStudent();
    if (!student.IsMistake(current_)) {
        // Mastered: the fact that took its place in the list comes next.
        buddy_.Hop();
        --listIndex_;
        if (student.GetMistakeCount() == 0) {
            buddy_.RunToEnd();
            timer_.stop();
            student.SetReviewDue(false);
            EndSession();
            RedrawCard();
            platform::GetMessageBoxes().Show(
                {.text = "You have no mistakes to review.", .icon = platform::MbIcon::Information});
            ShowParentAndClose();
            return;
        }
    }
    state_ = ReviewState::FirstTry;
    stepStart_ = Now();
    ++listIndex_;
    if (listIndex_ >= student.GetMistakeCount() || listIndex_ >= kCardsInTurn) {
        listIndex_ = 0;
    }
    PresentMistake(listIndex_);
}

void CMistakeReviewWnd::EndSession() {
    timer_.stop();
    state_ = ReviewState::Idle;
    const auto itemsAtEnd = static_cast<std::int16_t>(list_->RowCount());
    const auto seconds = static_cast<std::int16_t>((Now() - sessionStart_) / 1000);
    GetCurrentStudent().AddReviewSession(itemsAtStart_, problemsCompleted_, itemsAtEnd, seconds);
    current_.firstOperand = current_.secondOperand = current_.enteredAnswer = kNoValue;
    beginButton_->setEnabled(true);
    printButton_->setEnabled(true);
    pad_->EnableKeys(false);
}
