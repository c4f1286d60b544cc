#pragma once

class QPainter;
class QRect;

// Whether the controls that draw their own focus mark show it now: from the first key pressed
// until the mouse is next pressed, as desktops show focus marks only to those who use the
// keyboard. A mouse user's screens look as they always did.
bool FocusMarksShown();

// Starts following the keyboard and the mouse for FocusMarksShown; once for the whole program,
// later calls do nothing.
void WatchForKeyboardUse();

// The program's mark of the control with the keyboard focus, just inside `area`: a dark ring
// with a white one inside it, seen on every colour of the pictures and never hiding what they
// show.
void DrawFocusMark(QPainter& painter, const QRect& area);
