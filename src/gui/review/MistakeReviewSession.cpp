// The review session of CMistakeReviewWnd: Begin, the answers, the timed steps of each card, the
// walk through the list and the record at the end.
#include "CMistakeReviewWnd.h"
#include "data/CStudent.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/controls/CMistakeListCtl.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/ProgramSound.h"

namespace {

// Review goes round the first ten listed facts only.
constexpr int kCardsInTurn = 10;

std::uint32_t Now() {
    return platform::GetClock().TickCount();
}

} // namespace

void CMistakeReviewWnd::OnBegin() {
    platform::WriteTraceLog(Source(), __LINE__);
    listIndex_ = 0;
    problemsCompleted_ = 0;
    itemsAtStart_ = static_cast<std::int16_t>(list_->RowCount());
    sessionStart_ = Now();
    timer_.start(kTimerPeriodMs, this);
    beginButton_->setEnabled(false);
    printButton_->setEnabled(false);
    TakeFocusForAnswers();
    PresentMistake(listIndex_);
}

void CMistakeReviewWnd::PresentMistake(int index) {
    steps_.Present(GetCurrentStudent().GetMistake(index), Now());
    list_->SelectFact(steps_.Card());
    SetPadLayoutFor(*pad_, steps_.Card());
    pad_->EnableKeys(true);
    RedrawCard();
    if (platform::HasOption(platform::kOptionDebug)) {
        WriteDebugAnswer();
    }
}

void CMistakeReviewWnd::WriteDebugAnswer() const {
    WriteDebugAnswerFile(platform::GetBaseFolder() + "/reviewAnswer.dat",
                         {AnswerKeyPresses(steps_.Card())});
}

void CMistakeReviewWnd::OnAnswer(int answer) {
    const auto value = static_cast<std::int16_t>(answer);
    platform::PlayProgramSound(IsRightAnswer(steps_.Card(), value)
                                   ? platform::ProgramSound::kType
                                   : platform::ProgramSound::kWrongAnswer);
    FollowStep(steps_.Answer(value, Now()));
    list_->Fill(GetCurrentStudent());
    RedrawCard();
}

void CMistakeReviewWnd::timerEvent(QTimerEvent*) {
    OnTimer();
}

void CMistakeReviewWnd::OnTimer() {
    const CardStepChange change = steps_.Tick(Now());
    if (change.cardDone) {
        NextProblem();
        return;
    }
    FollowStep(change);
    if (change.Changed()) {
        RedrawCard();
    }
}

void CMistakeReviewWnd::FollowStep(const CardStepChange& change) {
    TellStudent(GetCurrentStudent(), change);
    if (change.Changed()) {
        pad_->EnableKeys(steps_.TakesAnswers());
    }
}

void CMistakeReviewWnd::NextProblem() {
    pad_->EnableKeys(false);
    ++problemsCompleted_;
    CStudent& student = GetCurrentStudent();
    if (!student.IsMistake(steps_.Card())) {
        // Mastered: the fact that took its place in the list comes next.
        const int frameBefore = BuddyFrameCounter();
        buddy_.Hop();
        SayWhereTheFrogIs(BuddyFrameCounter() < frameBefore);
        --listIndex_;
        if (student.GetMistakeCount() == 0) {
            buddy_.RunToEnd();
            SayWhereTheFrogIs(true);
            timer_.stop();
            student.SetReviewDue(false);
            EndSession();
            RedrawCard();
            platform::GetMessageBoxes().Show(
                {.text = tr("You have no mistakes to review.").toStdString(),
                 .icon = platform::MbIcon::Information});
            ShowParentAndClose();
            return;
        }
    }
    ++listIndex_;
    if (listIndex_ >= student.GetMistakeCount() || listIndex_ >= kCardsInTurn) {
        listIndex_ = 0;
    }
    PresentMistake(listIndex_);
}

void CMistakeReviewWnd::EndSession() {
    timer_.stop();
    steps_.Stop();
    const auto itemsAtEnd = static_cast<std::int16_t>(list_->RowCount());
    const auto seconds = static_cast<std::int16_t>((Now() - sessionStart_) / 1000);
    CStudent& student = GetCurrentStudent();
    student.AddReviewSession(itemsAtStart_, problemsCompleted_, itemsAtEnd, seconds);
    student.SaveFluency();
    beginButton_->setEnabled(true);
    printButton_->setEnabled(true);
    pad_->EnableKeys(false);
}
