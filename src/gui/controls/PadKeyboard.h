#pragma once

#include <QObject>

class CNumberPadCtl;

// The keyboard as a second way into a number pad: digit keys (main row and keypad) type, Backspace
// takes the last digit back and Return or keypad Enter sends, exactly as the pad's own keys do.
// Keys pressed anywhere in the pad's window count, whichever child has the focus (but a text
// field), and only while the pad's keys are usable; otherwise they pass on untouched. Return on a
// button the keyboard has reached (a pad key, Home) presses that button instead. Held keys do not
// repeat, so a digit held from before the pad unlocked types nothing.
class PadKeyboard final : public QObject {
public:
    explicit PadKeyboard(CNumberPadCtl& pad);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ForThePad(QObject* watched) const;

    CNumberPadCtl& pad_;
};
