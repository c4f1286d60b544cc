#pragma once

#include <QRect>

class QWidget;

// What screen readers meet in the program beyond Qt's own interfaces: every window is a frame
// and every dialog a dialog, named by its title in words (Qt would call a frameless window a
// "filler", which screen readers do not take for a window); picture buttons and spoken texts
// report only the part of them that shows. Installed once, after the application object is made
// and before the first window.
void InstallAccessibleObjects();

// The part of `widget` that shows: inside each of its parents and on its screen, in screen
// coordinates (empty when nothing of it shows).
QRect VisiblePart(const QWidget& widget);
