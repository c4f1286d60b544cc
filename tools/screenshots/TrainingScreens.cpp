#include "Screenshots.h"
#include "Sheet.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "data/OperationFacts.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/training/CTrainingWnd.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimerEvent>
#include <filesystem>

namespace screenshots {
namespace {

// The training window as a student sees it: set up with a goal, or begun and driven to a card
// step by answers on the pad and the passing of time.
class TrainingStage {
public:
    // Each stage starts from an empty mistake list, so no review is due and takes over.
    TrainingStage() {
        data::WriteMistakeList(CUserManager::GetMistakeFilePath(GetCurrentStudent().GetName()), {});
        GetCurrentStudent().SetReviewDue(false);
        window_ = new CTrainingWnd(home_);
        window_->GoalField()->setText(QStringLiteral("25"));
        QCoreApplication::processEvents();
    }
    ~TrainingStage() {
        delete window_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CTrainingWnd& Window() { return *window_; }

    void Click(CTrainingWnd::CommandId id) { window_->Button(id)->click(); }

    void DriveTo(ReviewState state) {
        Click(CTrainingWnd::kBegin);
        const int right = window_->CurrentProblem().correctAnswer;
        const int wrong = right == 0 ? 1 : right - 1;
        switch (state) {
        case ReviewState::TryAgain:
            Answer(wrong);
            break;
        case ReviewState::SecondTry:
            Answer(wrong);
            Pass(1'501);
            break;
        case ReviewState::Almost:
            Answer(wrong);
            Pass(1'501);
            Answer(wrong);
            break;
        case ReviewState::ShowAnswer:
            Pass(15'001);
            break;
        case ReviewState::Correct:
            Answer(right);
            break;
        default:
            TypeDigit(right % 10);
            break;
        }
    }

    // A digit typed on the pad, not yet sent.
    void TypeDigit(int digit) {
        for (CPictureButton* key : window_->NumberPad()->findChildren<CPictureButton*>()) {
            if (key->CommandId() == digit + 1) {
                key->click();
            }
        }
    }

    void Answer(int value) {
        emit window_->NumberPad()->answerPosted(value);
        QCoreApplication::sendPostedEvents();
    }

    void Pass(std::uint32_t milliseconds) {
        dynamic_cast<platform::fakes::FakeClock&>(platform::GetClock()).Advance(milliseconds);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window_, &tick);
    }

    // The session's time runs out, as the timer sees it.
    void RunOut() {
        while (window_->State() != ReviewState::Idle) {
            Pass(100);
        }
    }

    QImage Picture() { return window_->grab().toImage(); }

private:
    gui::fakes::StillHome home_;
    CTrainingWnd* window_ = nullptr;
};

} // namespace

QImage RenderTrainingSetup() {
    TrainingStage stage;
    return stage.Picture();
}

// The card and pad at the first try and in each feedback step, half size.
QImage RenderTrainingFeedback() {
    Sheet sheet(2 * 420);
    for (const auto& [state, caption] :
         {std::pair{ReviewState::FirstTry, "FirstTry, a digit typed"},
          {ReviewState::TryAgain, "TryAgain"},
          {ReviewState::SecondTry, "SecondTry"},
          {ReviewState::Almost, "Almost"},
          {ReviewState::ShowAnswer, "ShowAnswer (15 s)"},
          {ReviewState::Correct, "Correct"}}) {
        TrainingStage stage;
        stage.DriveTo(state);
        const QImage window = stage.Picture();
        sheet.Add(caption, window.scaled(window.size() / 2, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation));
    }
    return sheet.Render();
}

// The report of past sessions, and the graph after a one-minute session of four right answers
// against a goal of 25.
QImage RenderTrainingViews() {
    GiveRichHistory();
    TrainingStage stage;
    stage.Click(CTrainingWnd::kViewReport);
    const QImage report = stage.Picture();
    stage.DriveTo(ReviewState::Correct);
    for (int answer = 0; answer < 3; ++answer) {
        stage.Pass(801);
        stage.Answer(stage.Window().CurrentProblem().correctAnswer);
    }
    stage.RunOut();
    return SideBySide({report, stage.Picture()});
}

// My Facts chosen by a student who has never tried a fact, and by one who has missed four
// multiplication facts and answers two slowly; then the first card of the second's session, a
// digit typed.
QImage RenderTrainingMyFacts() {
    CStudent& student = GetCurrentStudent();
    const std::string path = CUserManager::GetFluencyFilePath(student.GetName());
    const auto kept = platform::ReadFileBytes(path);
    std::vector<QImage> pictures;
    for (const bool practised : {false, true}) {
        data::FactFluency fluency;
        for (const Problem& fact : data::ReadOperationFacts(kMultiplication).facts) {
            const int sum = fact.firstOperand + fact.secondOperand;
            if (practised) {
                fluency.RecordFirstTry(fact, sum != 13 || fact.firstOperand < 6,
                                       sum == 11 && fact.firstOperand > 7 ? 4'500 : 1'600);
            }
        }
        data::WriteFluencyFile(path, fluency);
        student.Load(student.GetName());
        TrainingStage stage;
        stage.Click(CTrainingWnd::kMyFactsButton);
        pictures.push_back(stage.Picture());
        if (practised) {
            stage.Click(CTrainingWnd::kBegin);
            stage.TypeDigit(stage.Window().CurrentProblem().correctAnswer / 10);
            pictures.push_back(stage.Picture());
        }
    }
    if (kept) {
        platform::WriteFileBytes(path, *kept);
    } else {
        std::filesystem::remove(path);
    }
    student.Load(student.GetName());
    return SideBySide(pictures);
}

// The training window's session graph and report of a student who has not trained yet.
QImage RenderTrainingViewsEmpty() {
    GiveHistory({}, kMultiplication);
    std::vector<QImage> pictures;
    {
        TrainingStage stage;
        stage.Click(CTrainingWnd::kViewSessionGraph);
        pictures.push_back(stage.Picture());
        stage.Click(CTrainingWnd::kViewReport);
        pictures.push_back(stage.Picture());
    }
    GiveRichHistory();
    return SideBySide(pictures);
}

} // namespace screenshots
