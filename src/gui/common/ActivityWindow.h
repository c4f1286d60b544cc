#pragma once

#include "gui/controls/HeaderBar.h"

#include <QString>
#include <QWidget>

class QCloseEvent;

// What the full-screen activity windows (testing, training, review, progress) share: a frameless
// window over the whole screen with the header bar across its top, a close request from the
// window system that leaves like Home (so the screen that opened it never stays hidden behind
// nothing), and the report of controls that could not be made. Each window keeps what differs:
// its controls, its timers, and what Home does with a session and where it goes back to.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    const HeaderBar& Header() const { return header_; }

protected:
    struct Frame {
        // The trace and error logs' source unit ("Gui classes\\Ctestingwnd").
        const char* source;
        // The window's own title, by which it is found (QT_TRANSLATE_NOOP("ActivityWindow", …):
        // a screen reader says it in the program's language).
        const char* windowTitle;
        // The name its creation failure is reported under.
        const char* failureName;
        QString headerTitle;
        HeaderLook headerLook = {};
        // Pixels the window reaches past the screen's right and bottom edges.
        int overhang = 0;
    };

    explicit ActivityWindow(const Frame& frame);

    // Makes the controls and places them; when a control cannot be made, says so and deletes the
    // window instead (false).
    bool Build();
    virtual bool CreateUIElements() = 0;
    virtual void PositionUIElements() = 0;
    // Leaves for the screen that opened the window.
    virtual void OnHome() = 0;

    void closeEvent(QCloseEvent* event) final;
    // The window takes the keyboard as it comes up, also where no window manager gives it.
    void showEvent(QShowEvent* event) override;
    // Hides the window and deletes it once control is back in the event loop.
    void Dismiss();
    // Dismisses the window and shows `opener` (when there is one and it still exists) again as
    // the application's main window, with the keyboard.
    void ReturnTo(QWidget* opener);
    // As answers begin: the window takes the keyboard focus from Begin, which locks, so that
    // typed digits and Return go to the card rather than Return to whichever button Qt would
    // pass the focus on to.
    void TakeFocusForAnswers();
    // The trace record of a button press and its navigation sound.
    void TraceNavigation(int line) const;
    const char* Source() const { return source_; }

    HeaderBar header_;

private:
    const char* source_;
    const char* failureName_;
};
