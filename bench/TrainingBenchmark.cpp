#include "PracticeSupport.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/training/CTrainingWnd.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimerEvent>
#include <benchmark/benchmark.h>

// One right answer in a training session: the key's click, the answer stored and told to the
// mistake list, the sound request and the card repainted in green. Between answers (untimed) the
// feedback time passes and the next card shows; a new session begins when one ends.
static void TrainingAnswer(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    PreparePracticeFolder(fakes);
    gui::fakes::StillHome home;
    CTrainingWnd window(home);
    window.GoalField()->setText(QStringLiteral("20"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        if (window.State() == ReviewState::Idle) {
            window.Button(CTrainingWnd::kBegin)->click();
        }
        CPictureButton& key =
            StandardKey(*window.NumberPad(), window.CurrentProblem().correctAnswer);
        state.ResumeTiming();
        key.click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (window.State() != ReviewState::Correct) {
            state.SkipWithError("the answer was not taken as right");
            break;
        }
        fakes.clock.Advance(801);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(&window, &tick);
        state.ResumeTiming();
    }
}
BENCHMARK(TrainingAnswer)->Unit(benchmark::kMillisecond);
