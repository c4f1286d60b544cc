#include "Screenshots.h"
#include "Sheet.h"

#include "data/CStudent.h"
#include "gui/controls/BuddyAnimation.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/review/MistakeSheet.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimerEvent>

namespace screenshots {
namespace {

// Mary Ann's mistakes, listed once: a few of each kind, the first a multiplication.
void ListMistakes() {
    CStudent& student = GetCurrentStudent();
    if (student.GetMistakeCount() > 0) {
        return;
    }
    const Problem facts[] = {
        {7, 8, kTimes, 54, 56, 1, 0}, {9, 6, kMinus, 4, 3, 1, 0},   {56, 8, kDividedBy, 6, 7, 1, 0},
        {8, 7, kPlus, 14, 15, 1, 0},  {6, 7, kTimes, 48, 42, 1, 0}, {12, 4, kDividedBy, 4, 3, 1, 0},
        {5, 9, kPlus, 13, 14, 1, 0},
    };
    for (const Problem& fact : facts) {
        student.AddMistake(fact);
    }
}

// The review window as a student sees it: idle, or begun and driven to `state` by answers on
// the pad and the passing of time.
class ReviewStage {
public:
    ReviewStage() {
        ListMistakes();
        window_ = new CMistakeReviewWnd(home_);
        // Exposed, as on a screen, before anything is clicked.
        QCoreApplication::processEvents();
    }
    ~ReviewStage() { delete window_; }

    void Begin() { Click(*window_->Button(CMistakeReviewWnd::kBegin)); }

    // The first card is 7 x 8.
    void DriveTo(ReviewState state) {
        Begin();
        switch (state) {
        case ReviewState::TryAgain:
            Type({5, 4});
            break;
        case ReviewState::SecondTry:
            Type({5, 4});
            Pass(1'501);
            Type({5});
            break;
        case ReviewState::Almost:
            Type({5, 4});
            Pass(1'501);
            Type({5, 8});
            break;
        case ReviewState::ShowAnswer:
            Pass(15'001);
            break;
        case ReviewState::Correct:
            Type({5, 6});
            break;
        default:
            Type({5});
            break;
        }
    }

    QImage Picture() { return window_->grab().toImage(); }

private:
    static void Click(CPictureButton& button) { button.click(); }

    // Digits and, for more than one, Enter.
    void Type(const std::vector<int>& digits) {
        const auto keys = window_->NumberPad()->findChildren<CPictureButton*>();
        const auto press = [&](int id) {
            for (CPictureButton* key : keys) {
                if (key->CommandId() == id) {
                    Click(*key);
                }
            }
        };
        for (const int digit : digits) {
            press(digit + 1);
        }
        if (digits.size() > 1) {
            press(2000);
        }
        QCoreApplication::sendPostedEvents();
    }

    void Pass(std::uint32_t milliseconds) {
        dynamic_cast<platform::fakes::FakeClock&>(platform::GetClock()).Advance(milliseconds);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window_, &tick);
    }

    gui::fakes::StillHome home_;
    CMistakeReviewWnd* window_ = nullptr;
};

} // namespace

QImage RenderReviewIdle() {
    ReviewStage stage;
    return stage.Picture();
}

QImage RenderReviewFirstTry() {
    ReviewStage stage;
    stage.DriveTo(ReviewState::FirstTry);
    return stage.Picture();
}

// The card and pad in each feedback step, half size.
QImage RenderReviewFeedback() {
    Sheet sheet(2 * 420);
    for (const auto& [state, caption] : {std::pair{ReviewState::TryAgain, "TryAgain: 54"},
                                         {ReviewState::SecondTry, "SecondTry"},
                                         {ReviewState::Almost, "Almost: 58"},
                                         {ReviewState::ShowAnswer, "ShowAnswer (15 s)"},
                                         {ReviewState::Correct, "Correct: 56"}}) {
        ReviewStage stage;
        stage.DriveTo(state);
        const QImage window = stage.Picture();
        sheet.Add(caption, window.scaled(window.size() / 2, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation));
    }
    return sheet.Render();
}

// The frog half-way across the pond.
QImage RenderReviewFrog() {
    BuddyFrameCounter() = 47;
    ReviewStage stage;
    const QImage picture = stage.Picture();
    BuddyFrameCounter() = 1;
    return picture;
}

// The first page of Mary Ann's sheet, printed to PDF on Letter paper and rasterised by poppler.
QImage RenderMistakeSheet() {
    ListMistakes();
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("sheet.pdf"));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    PrintSheet(BuildMistakeSheet(GetCurrentStudent()), printer, GetCurrentStudent().GetName());
    QProcess::execute("pdftoppm", {"-r", "80", "-f", "1", "-l", "1", "-singlefile", "-png",
                                   folder.filePath("sheet.pdf"), folder.filePath("page")});
    return QImage(folder.filePath("page.png"));
}

} // namespace screenshots
