#include "DataFolderWriter.h"
#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/fakes/FakeServices.h"
#include "platform/qt/LanguageSetup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

// The generated pictures and translations and a data folder with a class of eight, in the fake
// base folder.
bool InstallProgramFolder(const platform::fakes::FakePlatform& fakes) {
    std::error_code error;
    for (const char* content : {"/Graphics", "/translations"}) {
        if (!error) {
            std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR + std::string(content),
                                                      fakes.Path(content), error);
        }
    }
    DataFolderOptions options{.programFolder = fakes.BaseFolder(), .teachers = {{}}};
    for (int i = 1; i <= 8; ++i) {
        options.teachers[0].students.push_back({"Student Number" + std::to_string(i), "pw"});
    }
    std::string message;
    return !error && WriteDataFolder(options, message) == DataFolderResult::Written;
}

// The most memory the process has held so far ("VmHWM"), in kB.
double PeakMemoryKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    double kilobytes = 0;
    while (status >> field && field != "VmHWM:") {
    }
    status >> kilobytes;
    return kilobytes;
}

} // namespace

// From the choice of the language to the sign-in dialog up over the painted home screen, with
// the display and message boxes faked so that only the program's own work is timed: in English
// (0) and with the Spanish translation, Qt's own and the Spanish pictures in use (1). Run one
// language per process to compare the peak memory.
static void StartupToSignInDialog(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.modes = {{800, 600, 16}, {800, 600, 32}};
    fakes.process.arguments = state.range(0) == 0 ? " -lang en" : " -lang es";
    if (!InstallProgramFolder(fakes)) {
        state.SkipWithError("cannot prepare the program folder");
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const platform::LanguageSetup language;
        CTallyhopApp app([] { return new CMainWindow(); });
        double seconds = 0;
        QTimer::singleShot(0, [&start, &seconds] {
            auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget());
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (dialog != nullptr) {
                dialog->ExitButton()->click();
            }
        });
        if (!app.InitInstance()) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.SetIterationTime(seconds);
        app.ExitInstance(0);
        QCoreApplication::processEvents();
    }
    state.counters["peak_kB"] = PeakMemoryKilobytes();
}
BENCHMARK(StartupToSignInDialog)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
