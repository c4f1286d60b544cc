#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// From the application object's start to the home screen shown and painted, with the display
// and message boxes faked so that only the program's own work is timed.
static void StartupToFirstShownWindow(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.modes = {{800, 600, 16}, {800, 600, 32}};
    for (auto _ : state) {
        CTallyhopApp app(fakes.Path("/TALLYHOP_MUTEX"), [] { return new CMainWindow(); });
        if (!app.InitInstance() || !app.MainWindow()->isVisible()) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.PauseTiming();
        app.ExitInstance(0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupToFirstShownWindow)->Unit(benchmark::kMillisecond);
