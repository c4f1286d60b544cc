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
#include <functional>

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

Problem Multiplication(int a, int b) {
    for (const Problem& fact : data::ReadOperationFacts(kMultiplication).facts) {
        if (fact.firstOperand == a && fact.secondOperand == b) {
            return fact;
        }
    }
    return {};
}

} // namespace

QImage RenderTrainingSetup() {
    TrainingStage stage;
    return stage.Picture();
}

// The focus mark on a kind beside the one chosen, lit, and on Begin.
QImage RenderTrainingSetupFocus() {
    TrainingStage stage;
    CTrainingWnd& window = stage.Window();
    return GrabWithFocusOn(
        {window.Button(CTrainingWnd::kSubtractionButton), window.Button(CTrainingWnd::kBegin)});
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

// My Facts chosen by a student who has missed four multiplication facts and answers two slowly,
// and the first card of that session, a digit typed; below, the set-up's line for students who
// stand otherwise in their facts.
QImage RenderTrainingMyFacts() {
    CStudent& student = GetCurrentStudent();
    const std::string path = CUserManager::GetFluencyFilePath(student.GetName());
    const auto kept = platform::ReadFileBytes(path);
    enum Try { None, Fluent, Slow, Wrong };
    struct Standing {
        const char* caption;
        std::function<Try(const Problem&)> tried;
        std::vector<Problem> listed;
    };
    const auto sum = [](const Problem& fact) {
        return fact.firstOperand + fact.secondOperand;
    };
    const std::vector<Standing> standings = {
        {"missed four, two slow",
         [&](const Problem& f) {
             return sum(f) == 13 && f.firstOperand >= 6  ? Wrong
                    : sum(f) == 11 && f.firstOperand > 7 ? Slow
                                                         : Fluent;
         }},
        {"never tried a fact",
         [](const Problem&) {
             return None;
         }},
        {"two slow",
         [&](const Problem& f) {
             return sum(f) == 17 ? Slow : Fluent;
         }},
        {"nine never tried",
         [](const Problem& f) {
             return f.firstOperand == 9 ? None : Fluent;
         }},
        {"every fact fluent",
         [](const Problem&) {
             return Fluent;
         }},
        {"7 x 8 and 6 x 9 listed, no first tries kept",
         [](const Problem&) { return None; },
         {Multiplication(7, 8), Multiplication(6, 9)}},
    };
    Sheet sheet(1640);
    for (const Standing& standing : standings) {
        data::FactFluency fluency;
        for (const Problem& fact : data::ReadOperationFacts(kMultiplication).facts) {
            if (const Try how = standing.tried(fact); how != None) {
                fluency.RecordFirstTry(fact, how != Wrong, how == Slow ? 4'500 : 1'600);
            }
        }
        data::WriteFluencyFile(path, fluency);
        student.Load(student.GetName());
        TrainingStage stage;
        data::WriteMistakeList(CUserManager::GetMistakeFilePath(student.GetName()),
                               standing.listed);
        stage.Click(CTrainingWnd::kMyFactsButton);
        if (&standing == &standings.front()) {
            const QImage setUp = stage.Picture();
            stage.Click(CTrainingWnd::kBegin);
            stage.TypeDigit(stage.Window().CurrentProblem().correctAnswer / 10);
            sheet.Add(QString::fromLatin1(standing.caption), SideBySide({setUp, stage.Picture()}));
            sheet.NewRow();
            continue;
        }
        const TrainingLayout& layout = stage.Window().Layout();
        sheet.Add(QString::fromLatin1(standing.caption),
                  stage.Picture().copy(0, layout.padArea.top, layout.columnRight, 90));
    }
    data::WriteMistakeList(CUserManager::GetMistakeFilePath(student.GetName()), {});
    if (kept) {
        platform::WriteFileBytes(path, *kept);
    } else {
        std::filesystem::remove(path);
    }
    student.Load(student.GetName());
    return sheet.Render();
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
