#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "gui/common/TrainingSessionGraph.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

constexpr const char* kStudent = "Pat Jones";

// An 800 x 600 screen with the installed pictures and test files, as the fact map reads them.
void UseInstalledPicturesAndFacts(platform::fakes::FakePlatform& fakes) {
    fakes.display.current = {800, 600};
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    std::filesystem::copy(TALLYHOP_PROGRAM_DIR "/Test Data", fakes.Path("/Test Data"));
}

// Signs in a student with a history of 1,000 sessions: tests, training sessions and reviews in
// turn.
void SignInWithLongHistory(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directories(fakes.Path("/Data"));
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    data::StudentRecord record;
    record.idType = CUserManager::kStudentId;
    record.level = 3;
    for (int n = 0; n < 1000; ++n) {
        SessionRecord session;
        session.time = 1'157'112'000u + static_cast<std::uint32_t>(n) * 3600u;
        session.type = static_cast<std::uint32_t>(1 + n % 3);
        session.correctCount = static_cast<std::int16_t>(n % 101);
        session.answeredCount = 100;
        session.level = static_cast<std::int16_t>(1 + n % 5);
        session.testsPassedBefore = static_cast<std::int16_t>(n % 3);
        session.duration = static_cast<std::int16_t>(n % 2 == 0 ? 60 : 240);
        session.goal = 40;
        session.mistakesAtStart = 10;
        record.sessions.push_back(session);
    }
    platform::WriteFileBytes(CUserManager::GetInfoFilePath(kStudent),
                             data::SerializeStudentRecord(record));
    GetCurrentStudent().Load(kStudent);
}

// From the Progress click to the painted mastery view: the window is built, the training report
// filled, the mastery graph filled, and the whole window painted.
void BM_ProgressWindowOpen(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInWithLongHistory(fakes);
    QWidget opener;
    QImage screen(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        auto* window = new CStudentProgressWnd(&opener);
        window->render(&screen);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgressWindowOpen)->Unit(benchmark::kMillisecond);

// Paints `widget` once an iteration.
void PaintEach(benchmark::State& state, QWidget& widget) {
    QImage picture(widget.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        widget.render(&picture);
    }
}

// One paint of a full bar graph with marks, goal, grid and frame, as the progress and training
// windows show it.
void BM_GraphPaint(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    CBasicLineGraph graph(nullptr);
    graph.resize(795, 356);
    ConfigureTrainingGraph(graph, GraphLabelTenths());
    graph.SetRedraw(false);
    for (int n = 0; n < 1000; ++n) {
        graph.AddPoint(n % 100, 40, n % 4);
    }
    graph.SetMaximum(100);
    graph.SetGoal(50);
    graph.SetRedraw(true);
    PaintEach(state, graph);
}
BENCHMARK(BM_GraphPaint)->Unit(benchmark::kMicrosecond);

// One paint of the mastery graph with 1,000 tests on its bands, scrolled to the newest.
void BM_MasteryGraphPaint(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    CMasteryGraph graph(nullptr);
    graph.resize(795, 356);
    graph.SetXLabels(true);
    graph.SetYScale(true);
    graph.ModifyFlags(CBasicLineGraph::kFrame, 0);
    graph.SetLegend({{GraphLegendEntry::Sample::Dot, QColor(0, 200, 0), QStringLiteral("passed")},
                     {GraphLegendEntry::Sample::Dot, Qt::black, QStringLiteral("not passed")}});
    graph.SetRedraw(false);
    for (int n = 0; n < 1000; ++n) {
        graph.AddLevelPoint(1 + n / 3 % 5, n % 3, n % 2);
    }
    graph.SetMaximum(15);
    graph.SetRedraw(true);
    PaintEach(state, graph);
}
BENCHMARK(BM_MasteryGraphPaint)->Unit(benchmark::kMicrosecond);

// One paint of the fact map on the full 10 x 10 addition grid, every fact tried, in the size it
// takes in the progress window at 800 x 600.
void BM_FactMapPaint(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    UseInstalledPicturesAndFacts(fakes);
    data::FactFluency fluency;
    std::mt19937 random(18);
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            Problem fact;
            fact.firstOperand = static_cast<std::int16_t>(a);
            fact.secondOperand = static_cast<std::int16_t>(b);
            fact.operation = kPlus;
            fluency.RecordFirstTry(fact, random() % 4 != 0, 1000 + random() % 4000);
        }
    }
    FactMapView map(nullptr);
    map.resize(795, 356);
    map.ShowStudent(kAddition, fluency, {});
    PaintEach(state, map);
}
BENCHMARK(BM_FactMapPaint)->Unit(benchmark::kMicrosecond);

// A Mixed student's fact map from the click to its painted summary: the four test files read and
// counted.
void BM_FactMapMixedSummary(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    UseInstalledPicturesAndFacts(fakes);
    FactMapView map(nullptr);
    map.resize(795, 356);
    QImage picture(map.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        map.ShowStudent(kMixed, {}, {});
        map.render(&picture);
    }
}
BENCHMARK(BM_FactMapMixedSummary)->Unit(benchmark::kMicrosecond);

} // namespace
