#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QAbstractItemView;
class QKeyEvent;
class QWidget;

// Tab visits `controls` of a window in this order, the first of them first, each followed by the
// controls inside it, and Shift+Tab in the other (null entries are passed over); the window's other
// controls follow them in the order they had.
void SetTabChain(std::initializer_list<QWidget*> controls);

// Return and keypad Enter press `button` as Space does; true when `key` was one of them (a held
// key presses once).
bool ClickOnReturn(QAbstractButton& button, const QKeyEvent& key);

// Return and keypad Enter on the current row of `view` do what a double-click on it does (the view
// emits doubleClicked for it): a row opens from the keyboard too.
void DoubleClickOnReturn(QAbstractItemView& view);

// Controls that stand together (a column of buttons, a block of choices): an arrow key moves the
// focus from one of them to the nearest shown and usable one in its direction, and no further
// than the group's edge. Tab still visits each of them.
class ArrowKeyGroup final : public QObject {
public:
    // Made a child of the first member's parent; the members must share it.
    explicit ArrowKeyGroup(std::vector<QWidget*> members);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The member that lies in the direction of the arrow `key` from `from`; none when no member
    // lies that way.
    QWidget* Neighbour(const QWidget& from, int key) const;

    std::vector<QWidget*> members_;
};
