#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

// A place on a painted screen that a screen reader reads: the card being answered, the status
// box, the frog. It draws nothing and lets the mouse through to the window under it; its
// accessible name is what the screen shows there, in words, and each change of it is announced
// (a screen reader says the new name of the object that has the focus).
class SpokenText final : public QWidget {
    Q_OBJECT
public:
    SpokenText(QWidget* parent, QAccessible::Role role);

    // The description changes before the name, so that the name is said last.
    void Say(const QString& name, const QString& description = {});
};
