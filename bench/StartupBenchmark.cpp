#include "DataFolderWriter.h"
#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/fakes/FakeServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>

namespace {

// The generated pictures and a data folder with a class of eight, in the fake base folder.
bool InstallProgramFolder(const platform::fakes::FakePlatform& fakes) {
    std::error_code error;
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"), error);
    DataFolderOptions options{.programFolder = fakes.BaseFolder(), .teachers = {{}}};
    for (int i = 1; i <= 8; ++i) {
        options.teachers[0].students.push_back({"Student Number" + std::to_string(i), "pw"});
    }
    std::string message;
    return !error && WriteDataFolder(options, message) == DataFolderResult::Written;
}

} // namespace

// From the application object's start to the sign-in dialog up over the painted home screen,
// with the display and message boxes faked so that only the program's own work is timed.
static void StartupToSignInDialog(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.modes = {{800, 600, 16}, {800, 600, 32}};
    if (!InstallProgramFolder(fakes)) {
        state.SkipWithError("cannot prepare the program folder");
        return;
    }
    for (auto _ : state) {
        CTallyhopApp app([] { return new CMainWindow(); });
        const auto start = std::chrono::steady_clock::now();
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
}
BENCHMARK(StartupToSignInDialog)->UseManualTime()->Unit(benchmark::kMillisecond);
