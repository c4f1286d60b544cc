#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "gui/CNumberPadCtl.h"
#include "gui/CPictureButton.h"
#include "gui/CTestingWnd.h"
#include "gui/fakes/StillHome.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A level-1 student without history, signed in: every test of the benchmark is one of the
// same kind, however many it passes.
void SignInNewStudent() {
    data::StudentRecord record;
    record.password = "pw";
    record.level = kAddition;
    const std::string path = CUserManager::GetInfoFilePath("Pat Lee");
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const auto bytes = data::SerializeStudentRecord(record);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    GetCurrentStudent().Load("Pat Lee");
}

// The installed pictures, an addition test file and a new student signed in.
void PrepareTestingFolder(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    std::filesystem::create_directories(fakes.Path("/Test Data"));
    std::ofstream facts(fakes.Path("/Test Data/addition.txt"), std::ios::binary);
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            facts << a << " + " << b << "\r\n";
        }
    }
    SignInNewStudent();
}

// Clicks the standard-layout key of the current card's answer and lets the window handle it.
void AnswerRight(CTestingWnd& window) {
    const int commandId = window.Test().GetProblem(window.CurrentIndex()).correctAnswer + 1;
    for (CPictureButton* key : window.NumberPad()->findChildren<CPictureButton*>()) {
        if (key->CommandId() == commandId) {
            key->click();
            QCoreApplication::processEvents();
            return;
        }
    }
    std::abort();
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
    PrepareTestingFolder(fakes);
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
    PrepareTestingFolder(fakes);
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
