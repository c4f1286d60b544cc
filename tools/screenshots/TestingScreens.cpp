#include "Screenshots.h"

#include "app/CMainWindow.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/testing/CTestingWnd.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QTimerEvent>

namespace screenshots {
namespace {

// The testing window over the home screen that opened it, for the signed-in student.
class TestingScreen {
public:
    TestingScreen() : window_(new CTestingWnd(home_)) {}
    ~TestingScreen() {
        delete window_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CTestingWnd& Window() { return *window_; }

    void Begin() { window_->Button(CTestingWnd::kBegin)->click(); }

    void AnswerRight(int count) {
        for (int i = 0; i < count; ++i) {
            const Problem problem = window_->Test().GetProblem(window_->CurrentIndex());
            emit window_->NumberPad()->answerPosted(problem.correctAnswer);
            QCoreApplication::sendPostedEvents();
        }
    }

    // A digit typed on the pad, not yet sent.
    void TypeDigit(int digit) {
        for (CPictureButton* key : window_->NumberPad()->findChildren<CPictureButton*>()) {
            if (key->CommandId() == digit + 1) {
                key->click();
            }
        }
    }

    // The test's time runs out.
    void RunOutOfTime() {
        platform::GetClock().Sleep(360'001);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window_, &tick);
    }

    QImage Shot() { return window_->grab().toImage(); }

private:
    CMainWindow home_;
    CTestingWnd* window_;
};

} // namespace

QImage RenderTestingBeforeBegin() {
    TestingScreen screen;
    return screen.Shot();
}

// The second row, three of its cards answered and a digit typed for the fourth.
QImage RenderTestingRunning() {
    TestingScreen screen;
    screen.Begin();
    screen.AnswerRight(10);
    screen.TypeDigit(2);
    return screen.Shot();
}

QImage RenderTestingEnded() {
    TestingScreen screen;
    screen.Begin();
    screen.AnswerRight(12);
    screen.RunOutOfTime();
    return screen.Shot();
}

} // namespace screenshots
