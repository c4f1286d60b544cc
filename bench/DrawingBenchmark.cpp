#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/ProblemCard.h"
#include "platform/fakes/FakeServices.h"
#include "platform/qt/Fonts.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

constexpr int kCards = 1000;

Problem CardFact(int index) {
    static constexpr ProblemOperation kOperations[] = {kPlus, kMinus, kTimes, kDividedBy};
    Problem problem;
    problem.firstOperand = static_cast<std::int16_t>(10 + index % 80);
    problem.secondOperand = static_cast<std::int16_t>(1 + index % 9);
    problem.operation = kOperations[index % 4];
    problem.enteredAnswer = static_cast<std::int16_t>(index % 2 == 0 ? kNoValue : index % 90);
    return problem;
}

// Key pictures of the pad's real sizes in the fake base folder.
void WriteKeyPictures(const platform::fakes::FakePlatform& fakes) {
    const auto write = [&](const std::string& folder, const std::string& name, QSize size) {
        std::filesystem::create_directories(fakes.Path("/Graphics/800x600/" + folder));
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (const char* suffix : {"", "Roll"}) {
            picture.save(QString::fromStdString(
                fakes.Path("/Graphics/800x600/" + folder + "/" + name + suffix + ".bmp")));
        }
    };
    for (int key = 0; key <= 18; ++key) {
        write("Numbers", std::to_string(key), {90, 56});
    }
    for (int key = 0; key <= 9; ++key) {
        write("Numbers/Small", std::to_string(key), {40, 40});
    }
    write("Numbers/Small", "Enter", {106, 110});
}

CPictureButton& PadKey(CNumberPadCtl& pad, int commandId) {
    for (CPictureButton* key : pad.findChildren<CPictureButton*>()) {
        if (key->CommandId() == commandId) {
            return *key;
        }
    }
    std::abort();
}

} // namespace

// A thousand testing-window cards (18 pt, half of them answered) into an 800 x 600 image.
static void DrawThousandCards(benchmark::State& state) {
    QImage screen(800, 600, QImage::Format_RGB32);
    QPainter painter(&screen);
    platform::GdiDc dc(painter);
    const QFont font = platform::MakeFont("Symbol", platform::PointsToPixels(18));
    platform::GdiRect answerBox;
    for (auto _ : state) {
        for (int index = 0; index < kCards; ++index) {
            const QRect card((index % 7) * 83 + 4, 60, 78, 116);
            DrawProblem(CardFact(index), dc, font, card, QColor(50, 50, 50), QColor(12, 71, 147),
                        answerBox);
        }
        benchmark::DoNotOptimize(answerBox);
    }
    state.counters["per_card"] = benchmark::Counter(
        kCards, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(DrawThousandCards)->Unit(benchmark::kMillisecond);

// One click on a standard key until the owner has the answer and the screen is repainted; and a
// two-digit multiplication answer (two digits and Enter) the same way.
static void PadKeyPress(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    WriteKeyPictures(fakes);
    QWidget owner;
    owner.resize(800, 600);
    CNumberPadCtl pad(&owner);
    const bool multiplication = state.range(0) == 1;
    if (multiplication) {
        pad.SetMultiplicationLayout();
    }
    owner.show();
    QCoreApplication::processEvents();
    int answers = 0;
    QObject::connect(&pad, &CNumberPadCtl::answerPosted, [&answers](int) { ++answers; });
    for (auto _ : state) {
        if (multiplication) {
            PadKey(pad, 6).click();
            PadKey(pad, 7).click();
            PadKey(pad, 2000).click();
        } else {
            PadKey(pad, 8).click();
        }
        QCoreApplication::processEvents();
    }
    if (answers != static_cast<int>(state.iterations())) {
        state.SkipWithError("answers went missing");
    }
}
BENCHMARK(PadKeyPress)->Arg(0)->Arg(1)->ArgName("multiplication")->Unit(benchmark::kMicrosecond);
