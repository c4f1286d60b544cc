#include "PracticeSupport.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/testing/CTestingWnd.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Clicks the standard-layout key of the current card's answer and lets the window handle it.
void AnswerRight(CTestingWnd& window) {
    StandardKey(*window.NumberPad(), window.Test().GetProblem(window.CurrentIndex()).correctAnswer)
        .click();
    QCoreApplication::processEvents();
}

// A test begun, its cards on screen.
void BeginTest(CTestingWnd& window) {
    window.Button(CTestingWnd::kBegin)->click();
    QCoreApplication::processEvents();
}

} // namespace

// One right answer: the key's click, the answer stored and reported to the mistake list, the
// sound request, and the screen repainted. A new test begins (untimed) when one ends.
static void TestingAnswer(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    PreparePracticeFolder(fakes);
    gui::fakes::StillHome home;
    CTestingWnd window(home);
    BeginTest(window);
    for (auto _ : state) {
        if (!window.IsRunning()) {
            state.PauseTiming();
            SignInNewStudent();
            BeginTest(window);
            state.ResumeTiming();
        }
        AnswerRight(window);
    }
    if (window.Missed() != 0) {
        state.SkipWithError("an answer was taken as wrong");
    }
}
BENCHMARK(TestingAnswer)->Unit(benchmark::kMillisecond);

// The whole window painted while a test runs, a row of cards half answered.
static void PaintTestingWindow(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    PreparePracticeFolder(fakes);
    gui::fakes::StillHome home;
    CTestingWnd window(home);
    BeginTest(window);
    for (int i = 0; i < 3; ++i) {
        AnswerRight(window);
    }
    for (auto _ : state) {
        window.repaint();
    }
}
BENCHMARK(PaintTestingWindow)->Unit(benchmark::kMillisecond);
