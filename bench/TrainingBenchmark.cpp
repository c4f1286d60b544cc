#include "PracticeSupport.h"
#include "data/MyFactsPlan.h"
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

// What Begin adds for a four-minute My Facts session on Mixed with "-debug": the plan made from
// a record of all 390 facts (one in seven missed, one in five slow) and the 2,400 cards of the
// answer file.
static void MyFactsPlanOfMixed(benchmark::State& state) {
    std::vector<Problem> facts;
    for (std::int16_t a = 0; a <= 9; ++a) {
        for (std::int16_t b = 0; b <= 9; ++b) {
            const auto sum = static_cast<std::int16_t>(a + b);
            const auto product = static_cast<std::int16_t>(a * b);
            facts.push_back({a, b, kPlus, kNoValue, sum});
            facts.push_back({sum, b, kMinus, kNoValue, a});
            facts.push_back({a, b, kTimes, kNoValue, product});
            if (b > 0) {
                facts.push_back({product, b, kDividedBy, kNoValue, a});
            }
        }
    }
    data::FactFluency fluency;
    for (std::size_t i = 0; i < facts.size(); ++i) {
        fluency.RecordFirstTry(facts[i], i % 7 != 0, i % 5 == 0 ? 4'000 : 1'500);
    }
    std::uint32_t seed = 0;
    for (auto _ : state) {
        const data::MyFactsPlan plan(facts, fluency, {}, ++seed);
        benchmark::DoNotOptimize(plan.Preview(2'400));
    }
}
BENCHMARK(MyFactsPlanOfMixed)->Unit(benchmark::kMicrosecond);
