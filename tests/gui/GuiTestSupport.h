#pragma once

#include "DataFolderOptions.h"
// Also the common includes of the GUI tests.
#include "gui/common/HomeScreen.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "platform/fakes/FakeServices.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace guitest {

// A one-colour picture "<name>.bmp" in base folder + "/Graphics/800x600/<folder>".
void WritePicture(const platform::fakes::FakePlatform& fakes, const std::string& folder,
                  const std::string& name, QSize size, QColor colour);

// Every fact "a <op> b" with a and b from 0 to 9 (b from 1 for division, a the quotient).
std::vector<std::string> OneDigitFacts(char op);

// base folder + "/Test Data/<name>" with these lines, CR LF.
void WriteTestFile(const platform::fakes::FakePlatform& fakes, const std::string& name,
                   const std::vector<std::string>& lines);

// The whole file at base folder + `path` ("" when there is none).
std::string ReadFile(const platform::fakes::FakePlatform& fakes, const std::string& path);

// The whole error log of the fake base folder ("" when there is none).
std::string ReadErrorLog(const platform::fakes::FakePlatform& fakes);

// How many records in `log` carry `message`.
int CountRecords(const std::string& log, const std::string& message);

// How many records of the fake base folder's error log carry `message`.
int Logged(const platform::fakes::FakePlatform& fakes, const std::string& message);

// A message box as it was shown: its text, icon and title (none: the program's name).
struct Box {
    std::string text;
    platform::MbIcon icon = platform::MbIcon::None;
    std::optional<std::string> title;
    bool operator==(const Box&) const = default;
};
std::vector<Box> Boxes(const platform::fakes::FakePlatform& fakes);
void PrintTo(const Box& box, std::ostream* os);

// The pictures the build generated, visible from the fake base folder.
void LinkInstalledGraphics(const platform::fakes::FakePlatform& fakes);

// The test files the build generated, copied into the fake base folder (a test may shuffle them).
void CopyInstalledTestFiles(const platform::fakes::FakePlatform& fakes);

// A data folder in the fake base folder as the program is installed with: the teacher
// "Class Teacher" (password "teacher") and these students in the class "Users".
void WriteDataFolder(const platform::fakes::FakePlatform& fakes,
                     const std::vector<StudentToAdd>& students);

// What the widget shows now, as its own paint draws it.
QImage Snapshot(QWidget& widget);

// The texts of `column` of a report list, from the top row down.
QStringList ColumnTexts(const QTreeWidget& list, int column);

// How many pixels of `area` in `image` are exactly `colour`.
int CountColour(const QImage& image, const QRect& area, QColor colour);

// How many times the sound file `name` ("type.wav") was played.
int Played(const platform::fakes::FakePlatform& fakes, const std::string& name);

// Clicks `button`, then lets what the click posted arrive.
void Click(QWidget* button);

// A control as a screen reader meets it.
struct SpokenControl {
    QAccessible::Role role;
    QString name;
    QString description;
};

// Every control inside `window`, depth first, as Qt's accessibility interfaces report it.
std::vector<SpokenControl> SpokenControls(QWidget& window);

// What a screen reader would stumble over in `window` as it shows now, one "<what> <class>"
// each: a window that is no frame or dialog or has no name in words, a control without a name
// (or a chart, the graphs and the fact map, without its words), an object whose rectangle leaves
// the screen.
std::vector<std::string> ScreenReaderFaults(QWidget& window);

// Checks that a screen reader meets no fault in `window` (shown), then walks its focus
// chain with Tab from the window itself round to the first control again, then back with
// Shift+Tab: it must visit exactly the controls a mouse can use
// there now, whose accessible names `names` gives in the order Tab reaches them. Then each button
// among them is pressed once by Space and once by Return (a radio button by Space only: Return is
// its dialog's). To press them safely their handlers are cut off first: afterwards the window's
// buttons do nothing.
void ExpectKeyboardChain(QWidget& window, const QStringList& names);

// The names of the pad's keys in the order Tab visits them: "0" ... "18", or "0" ... "9" and
// "Enter".
QStringList PadKeyNames(const CNumberPadCtl& pad);

inline constexpr int kPadEnter = 2000;

// The pad's key with this command id (1 … 19 for "0" … "18", kPadEnter).
CPictureButton& PadKey(CNumberPadCtl& pad, int commandId);

// Clicks `value` on the pad as a student would (one key, or its digits and Enter).
void ClickAnswer(CNumberPadCtl& pad, int value);

// Types `keys` on the keyboard into `target` ('0' … '9', '\b' for Backspace, '\n' for Return),
// then lets what they posted arrive.
void TypeKeys(QWidget* target, std::string_view keys);

// Types `value` and Return, as a student answering by keyboard.
void TypeAnswer(QWidget* target, int value);

// Runs `act` on the modal dialog of this kind as soon as it is up (from inside its modal loop).
template <typename Dialog> void WhenDialogIsUp(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the dialog is up";
        act(*dialog);
    });
}

// The first top-level widget of this kind (nullptr when there is none).
template <typename Window> Window* FindTopLevel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(widget); found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

// The home screen an activity window opens over; counts how often it is shown again and how
// often its sign-out ran.
class FakeHome final : public IHomeScreen {
public:
    QWidget* Window() override { return window.get(); }
    void ShowHome() override { ++shows; }
    void SignOut() override { ++signOuts; }
    // The review window itself, as the program's home screen opens it.
    void OpenMistakeReview() override;

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    int shows = 0;
    int signOuts = 0;
};

// An activity window on an 800 x 600 screen with the installed pictures, over a FakeHome.
template <typename ActivityWindow> class WindowTest : public testing::Test {
protected:
    WindowTest() {
        fakes.display.current = {800, 600};
        LinkInstalledGraphics(fakes);
    }

    ~WindowTest() override {
        delete window.data();
        CloseDeleted();
    }

    static void CloseDeleted() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Answer(int value) { ClickAnswer(*window->NumberPad(), value); }

    // Lets `milliseconds` pass as they pass in the program, rounded up to whole timer periods:
    // the fake clock moves one period at a time and the window's timer ticks after each.
    void Wait(std::uint32_t milliseconds) {
        constexpr std::uint32_t period = ActivityWindow::kTimerPeriodMs;
        for (std::uint32_t waited = 0; waited < milliseconds && !window.isNull();
             waited += period) {
            fakes.clock.Advance(period);
            QTimerEvent tick(1);
            QCoreApplication::sendEvent(window, &tick);
        }
    }

    int Played(const std::string& name) const { return guitest::Played(fakes, name); }
    int Logged(const std::string& message) const { return guitest::Logged(fakes, message); }
    std::vector<std::string> Texts() const { return fakes.messageBoxes.Texts(); }

    // The window has closed and handed over to the review window, which shows the home screen
    // when it closes.
    void ExpectReviewTookOver() {
        CloseDeleted();
        EXPECT_TRUE(window.isNull());
        EXPECT_EQ(home.shows, 0);
        const std::unique_ptr<CMistakeReviewWnd> review(FindTopLevel<CMistakeReviewWnd>());
        ASSERT_NE(review, nullptr);
        EXPECT_TRUE(review->isVisible());
    }

    platform::fakes::FakePlatform fakes;
    FakeHome home;
    QPointer<ActivityWindow> window;
};

} // namespace guitest
