#pragma once

#include <QAccessible>
#include <QRect>

class QWidget;

// What screen readers meet in the program beyond Qt's own interfaces: every window is a frame
// and every dialog a dialog, named by its title in words (Qt would call a frameless window a
// "filler", which screen readers do not take for a window); picture buttons and widgets given a
// role report only the part of them that shows; lists to choose from and password boxes as their
// classes below say. Installed once, after the application object is made and before the first
// window.
void InstallAccessibleObjects();

// What a widget of ours that draws itself is to a screen reader (a chart, a picture): set in its
// constructor, before anything asks.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

// The part of `widget` that shows: inside each of its parents and on its screen, in screen
// coordinates (empty when nothing of it shows).
QRect VisiblePart(const QWidget& widget);
