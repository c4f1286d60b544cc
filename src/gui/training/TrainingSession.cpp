// The training session of CTrainingWnd: Begin with its checks, the answers, the timed steps of
// each card, the walk through the problems and the record at the end.
#include "CTrainingWnd.h"
#include "data/CStudent.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/ReportList.h"
#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/ProgramSound.h"

#include <QComboBox>
#include <QLineEdit>
#include <string>

namespace {

constexpr int kLowestGoal = 1;
constexpr int kHighestGoal = 99;
constexpr std::uint32_t kOneMinute = 60'000;
constexpr std::uint32_t kFourMinutes = 240'000;

std::uint32_t Now() {
    return platform::GetClock().TickCount();
}

// The feedback that follows an answer, and the answer shown after a second miss, are the
// student's time to look; they are given back to the session. The answer shown after a time-out
// is not: the clock was running while the card waited. Each is given back once, when the card
// enters it: a tick or an answer that leaves the step as it was gives nothing back.
std::uint32_t PauseGivenBack(const CardStepChange& change) {
    if (!change.Changed()) {
        return 0;
    }
    switch (change.to) {
    case ReviewState::Correct:
    case ReviewState::TryAgain:
    case ReviewState::Almost:
        return StepLength(change.to);
    case ReviewState::ShowAnswer:
        return change.from == ReviewState::Almost ? StepLength(change.to) : 0;
    default:
        return 0;
    }
}

} // namespace

void CTrainingWnd::OnBegin() {
    platform::WriteTraceLog(Source(), __LINE__);
    if (GetCurrentStudent().IsReviewDue()) {
        HandOverToReview();
        return;
    }
    index_ = 0;
    EnableSetup(false);
    ShowSessionGraph(false);
    report_->hide();
    OnGoalChanged();
    const bool goalSet = goal_ >= kLowestGoal && goal_ <= kHighestGoal;
    if (!goalSet) {
        platform::GetMessageBoxes().Show(
            {.text = tr("Please set a goal. This is the number of problems you want to get "
                        "correct.")
                         .toStdString(),
             .owner = this});
    }
    if (goalSet && StartSession()) {
        return;
    }
    EnableSetup(true);
    pad_->HidePad();
    pad_->EnableKeys(false);
    steps_.Stop();
    sessionStart_ = 0;
    if (!goalSet) {
        // Once the field takes input again.
        goalField_->setFocus();
        goalField_->selectAll();
    }
}

bool CTrainingWnd::StartSession() {
    const int fileNumber = TestFileNumber(kind_);
    platform::WriteTraceLog(Source(), __LINE__);
    duration_ = lengthList_->currentIndex() == 0 ? kOneMinute : kFourMinutes;
    if (!FillSession(fileNumber)) {
        platform::GetMessageBoxes().Show(
            {.text = tr("Please contact the system administrator.").toStdString(),
             .icon = platform::MbIcon::Stop,
             .owner = this});
        platform::WriteErrorLog(Source(), __LINE__,
                                "Failed to load test #" + std::to_string(fileNumber));
        return false;
    }
    sessionStart_ = Now();
    session_.SetGoal(static_cast<std::int16_t>(goal_));
    session_.SetDuration(static_cast<std::int16_t>(duration_ / 1000));
    session_.SetFlag(0);
    graph_->SetGoal(goal_);
    timer_.start(kTimerPeriodMs, this);
    TakeFocusForAnswers();
    PresentCard();
    return true;
}

// A new set each time, so its creation time is when this session began: a My Facts plan, or the
// kind's test file freshly shuffled. The answer file is written before the first card is taken.
bool CTrainingWnd::FillSession(int fileNumber) {
    session_ = CTestData();
    const bool planned = PlanMyFactsSession();
    if (!planned && !session_.Load(fileNumber)) {
        return false;
    }
    if (platform::HasOption(platform::kOptionDebug)) {
        WriteDebugAnswers();
    }
    if (planned) {
        TakePlannedCard();
    }
    return true;
}

// Problem `index_` becomes the card, empty, waiting for its first try.
void CTrainingWnd::PresentCard() {
    steps_.Present(session_.GetProblem(index_), Now());
    SetPadLayoutFor(*pad_, steps_.Card());
    pad_->ShowPad();
    pad_->EnableKeys(true);
    RedrawCard();
}

void CTrainingWnd::WriteDebugAnswers() const {
    const std::string path = platform::GetBaseFolder() + "/trainingAnswers.dat";
    if (!plan_) {
        WriteDebugAnswerFile(path, session_);
        return;
    }
    // The cards the plan gives when every answer is right and fluent: one for each timer period
    // of the session, as every card takes at least one of them.
    std::vector<std::string> lines;
    for (const Problem& card : plan_->Preview(duration_ / kTimerPeriodMs)) {
        lines.push_back(AnswerKeyPresses(card));
    }
    WriteDebugAnswerFile(path, lines);
}

void CTrainingWnd::OnAnswer(int answer) {
    // An answer still on its way when the session ended belongs to no card.
    if (steps_.State() == ReviewState::Idle) {
        return;
    }
    const auto value = static_cast<std::int16_t>(answer);
    platform::PlayProgramSound(IsRightAnswer(steps_.Card(), value)
                                   ? platform::ProgramSound::kType
                                   : platform::ProgramSound::kWrongAnswer);
    // Only a try stores its answer: one that arrives during feedback must not overwrite it.
    if (steps_.TakesAnswers()) {
        session_.SetAnswer(index_, value);
    }
    FollowStep(steps_.Answer(value, Now()));
    RedrawCard();
}

void CTrainingWnd::timerEvent(QTimerEvent*) {
    OnTimer();
}

void CTrainingWnd::OnTimer() {
    // A tick still queued when the session ended or could not start has no session to time.
    if (steps_.State() == ReviewState::Idle) {
        return;
    }
    const std::uint32_t now = Now();
    // The pauses given back can put the start ahead of now for a moment: signed difference.
    if (static_cast<std::int32_t>(now - sessionStart_) >= static_cast<std::int32_t>(duration_)) {
        EndSession();
        return;
    }
    const CardStepChange change = steps_.Tick(now);
    if (change.cardDone) {
        NextCard();
        return;
    }
    FollowStep(change);
    if (change.Changed()) {
        RedrawCard();
    }
}

void CTrainingWnd::FollowStep(const CardStepChange& change) {
    if (change.TimedOut()) {
        session_.SetAnswer(index_, kNoValue);
    }
    TellStudent(GetCurrentStudent(), change);
    if (plan_ && change.EndsFirstTry()) {
        plan_->Told(change.news == MistakeNews::RightFirstTry, change.tryMs);
    }
    sessionStart_ += PauseGivenBack(change);
    if (change.Changed()) {
        pad_->EnableKeys(steps_.TakesAnswers());
    }
}

// After the last problem the session starts over with the first, answered afresh.
void CTrainingWnd::NextCard() {
    if (plan_) {
        TakePlannedCard();
    } else if (++index_ >= session_.GetCount()) {
        index_ = 0;
    }
    session_.SetAnswer(index_, kNoValue);
    PresentCard();
}

void CTrainingWnd::EndSession() {
    timer_.stop();
    steps_.Stop();
    EnableSetup(true);
    pad_->HidePad();
    pad_->EnableKeys(false);
    CStudent& student = GetCurrentStudent();
    student.AddSession(session_, kTrainingSession, kind_);
    student.SaveFluency();
    RedrawCard();
    platform::GetMessageBoxes().Show(
        {.text = tr("This training session has been completed. Press OK to view your current "
                    "progress.")
                     .toStdString(),
         .owner = this});
    OnViewSessionGraph();
    // In the card's place, the graph with this session says how it went.
    graph_->setFocus();
    if (student.IsReviewDue()) {
        HandOverToReview();
    }
}
