#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "data/StudentRecordFile.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/review/PrintMistakes.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTimerEvent>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kStudent = "Pat Jones";

// Signs in a student whose mistake list holds `count` additions.
void SignInWithMistakes(const platform::fakes::FakePlatform& fakes, int count) {
    std::filesystem::create_directories(fakes.Path("/Data"));
    data::StudentRecord record;
    record.idType = CUserManager::kStudentId;
    record.level = kAddition;
    const std::vector<std::uint8_t> bytes = data::SerializeStudentRecord(record);
    std::ofstream(CUserManager::GetInfoFilePath(kStudent), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    std::vector<Problem> mistakes;
    for (int i = 0; i < count; ++i) {
        const auto a = static_cast<std::int16_t>(i % 10);
        const auto b = static_cast<std::int16_t>(i / 10);
        mistakes.push_back({a, b, kPlus, kNoValue, static_cast<std::int16_t>(a + b), 1, 0});
    }
    data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudent), mistakes);
    GetCurrentStudent().Load(kStudent);
}

class PdfSetup final : public IPrinterSetup {
public:
    explicit PdfSetup(QString path) : path_(std::move(path)) {}
    bool Choose(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        return true;
    }

private:
    QString path_;
};

// A wrong first try: the mistake list is rewritten and shown again, the card redrawn.
void BM_ReviewWrongFirstTry(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInWithMistakes(fakes, 10);
    gui::fakes::StillHome home;
    auto* window = new CMistakeReviewWnd(home);
    QCoreApplication::processEvents();
    window->Button(CMistakeReviewWnd::kBegin)->click();
    const auto passTime = [&](std::uint32_t milliseconds) {
        fakes.clock.Advance(milliseconds);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window, &tick);
    };
    for (auto _ : state) {
        emit window->NumberPad()->answerPosted(window->CurrentProblem().correctAnswer + 1);
        state.PauseTiming();
        passTime(15'001); // the second try runs out: the answer, then the next card
        passTime(15'001);
        passTime(1'751);
        state.ResumeTiming();
    }
    delete window;
}
BENCHMARK(BM_ReviewWrongFirstTry)->Unit(benchmark::kMillisecond);

// Print Mistakes for 100 listed facts onto a PDF printer at its full resolution.
void BM_PrintSheetOfHundredMistakes(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    SignInWithMistakes(fakes, 100);
    PdfSetup setup(QString::fromStdString(fakes.Path("/sheet.pdf")));
    for (auto _ : state) {
        PrintMistakes(GetCurrentStudent(), setup);
    }
}
BENCHMARK(BM_PrintSheetOfHundredMistakes)->Unit(benchmark::kMillisecond);

} // namespace
