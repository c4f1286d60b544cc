#pragma once

#include "CPictureButton.h"
#include "platform/qt/GdiDc.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <string_view>

// The on-screen keypad every answer is entered with, a child of the screen that owns it.
//
// Standard layout: keys 0 to 18 in three rows of six and 0 in the middle of a fourth; one click
// is the whole answer. Multiplication layout: digits 0 to 9 on a ring around an Enter key; up to
// two digits collect in an answer display (a child of the owner, placed over the card's answer
// box) and Enter sends them.
//
// In either layout the keyboard types into the same display while the keys are enabled (see
// PadKeyboard); in the standard layout the display shows only while something is typed.
//
// Answers reach the owner through answerPosted, always emitted from the event loop after the
// click that produced it has been handled, however the owner connects.
class CNumberPadCtl : public QWidget {
    Q_OBJECT
public:
    enum Layout { kStandardLayout = 0, kMultiplicationLayout = 2 };

    // Builds the pad, its keys and the answer display in the standard layout. Without a parent
    // there is no screen to put it on: the failure is logged and the pad never shows.
    explicit CNumberPadCtl(QWidget* parent);
    ~CNumberPadCtl() override;

    // Both end with the keys enabled and the pad shown.
    void SetStandardLayout();
    void SetMultiplicationLayout();

    // The keys of the current layout and the pad itself.
    void EnableKeys(bool enable);
    // The display shows with the pad in the multiplication layout only.
    void ShowPad();
    void HidePad();

    // In the owner's coordinates.
    void SetDisplayRect(const platform::GdiRect& rect);
    void ClearValue();
    // Writes the typed value (nothing when none) and shows the display when asked to and the
    // layout is the multiplication layout or something is typed; hides it otherwise.
    void ShowValue(bool show);
    void SetDisplayFont(int points);

    Layout GetLayout() const { return layout_; }
    QLabel* GetDisplay() const { return display_; }

    // Sends the typed number, if any.
    void OnEnter();
    // A digit typed on the keyboard, collected as on the ring; a third digit is dropped.
    void TypeDigit(int digit);
    // Takes the last typed digit back.
    void EraseDigit();

signals:
    void answerPosted(int answer);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnCommand(int commandId);
    void OnKey(int digit);
    void PostAnswer(int answer);
    bool DisplayWanted() const;
    // A key that locks or hides while it has the focus would pass it on along the tab chain,
    // perhaps to Home, where the next Return would leave the screen: the owner takes it instead.
    void HandFocusToOwner();
    // Pictures "0" … "<count - 1>" of `screenFolder` into the first keys; the key size follows
    // the picture "0". Keys that already hold that folder's pictures keep them: the standard
    // layout is set again for every answer of a test, and reading 38 pictures would dominate it.
    void LoadKeyPictures(std::string_view screenFolder, int count);

    static constexpr int kKeyCount = 19;
    static constexpr int kRingKeyCount = 10;

    bool created_ = false;
    std::array<CPictureButton, kKeyCount> keys_;
    CPictureButton enter_;
    QPointer<QLabel> display_;
    QSize keySize_;
    Layout layout_ = kStandardLayout;
    std::string_view keyPicturesFolder_; // whose pictures the keys hold
    int value_ = -1;                     // the number typed so far; -1 when nothing is typed
};
