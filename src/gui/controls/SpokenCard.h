#pragma once

#include <QRect>
#include <QString>
#include <array>

class QWidget;
class SpokenText;

// The card being answered as a screen reader meets it: an object over the card, named by what
// the card shows in words ("7 plus 8", then "Great! 7 plus 8 equals 15."), that holds the
// keyboard focus while there is a card. Typed digits reach the pad wherever the focus is in the
// window.
//
// Each new text is also said: the name changes with a name-change event, and the focus moves to
// a second object in the same place that carries the new text. Screen readers speak an object
// that takes the focus; Qt 6.4's accessibility bridge sends name changes without the new name,
// so Orca could not say them.
class SpokenCard {
public:
    explicit SpokenCard(QWidget* window);

    void SetGeometry(const QRect& place);
    // Shows `words` (hidden while they are empty: no card). A card that appears takes the focus;
    // later texts move it along only when the card has it (or the window, or nothing): a student
    // who moved it to a button keeps it there.
    void Say(const QString& words, const QString& description = {});
    // The object that says the card now.
    const SpokenText& Current() const;

private:
    std::array<SpokenText*, 2> texts_{};
    int current_ = 0;
};
