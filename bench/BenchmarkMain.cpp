#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

// Screens are measured offscreen, with the program's own fonts and no window system in the way.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
