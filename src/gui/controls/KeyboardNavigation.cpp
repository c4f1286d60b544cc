#include "KeyboardNavigation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <limits>

// Each control's own controls (a graph's scroll buttons, the pad's keys) follow it in the order
// they had. Qt orders only widgets that take the focus, so the others are left out.
void SetTabChain(std::initializer_list<QWidget*> controls) {
    std::vector<QWidget*> order;
    const auto add = [&order](QWidget* widget) {
        if (widget->focusPolicy() != Qt::NoFocus &&
            std::ranges::find(order, widget) == order.end()) {
            order.push_back(widget);
        }
    };
    for (QWidget* control : controls) {
        if (control == nullptr) {
            continue;
        }
        add(control);
        for (QWidget* next = control->nextInFocusChain(); next != control;
             next = next->nextInFocusChain()) {
            if (control->isAncestorOf(next)) {
                add(next);
            }
        }
    }
    if (order.empty()) {
        return;
    }
    // Qt orders the chain as a ring through the window, which takes no focus itself and so would
    // be passed over: taking it for a moment, it heads the ring, and Tab starts at `controls`.
    QWidget* window = order.front()->window();
    const Qt::FocusPolicy windowPolicy = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = window;
    for (QWidget* control : order) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    window->setFocusPolicy(windowPolicy);
}

bool ClickOnReturn(QAbstractButton& button, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) {
        return false;
    }
    if (!key.isAutoRepeat()) {
        button.click();
    }
    return true;
}

namespace {

class ReturnAsDoubleClick final : public QObject {
public:
    explicit ReturnAsDoubleClick(QAbstractItemView& view) : QObject(&view), view_(view) {
        view.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = view_.currentIndex();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !current.isValid()) {
            return false;
        }
        emit view_.doubleClicked(current);
        return true;
    }

private:
    QAbstractItemView& view_;
};

} // namespace

void DoubleClickOnReturn(QAbstractItemView& view) {
    new ReturnAsDoubleClick(view);
}

ArrowKeyGroup::ArrowKeyGroup(std::vector<QWidget*> members)
    : QObject(members.empty() ? nullptr : members.front()->parentWidget()),
      members_(std::move(members)) {
    for (QWidget* member : members_) {
        member->installEventFilter(this);
    }
}

bool ArrowKeyGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        break;
    default:
        return false;
    }
    if (QWidget* next = Neighbour(*static_cast<QWidget*>(watched), key->key())) {
        next->setFocus(Qt::TabFocusReason);
    }
    return true;
}

// Along the arrow's direction, with a step aside counting twice: from a button of a block, Down
// goes to the one below it rather than to the next one below and beside it, and Right from the
// end of a row goes nowhere rather than to the row below.
QWidget* ArrowKeyGroup::Neighbour(const QWidget& from, int key) const {
    const QPoint start = from.geometry().center();
    QWidget* nearest = nullptr;
    int nearestCost = std::numeric_limits<int>::max();
    for (QWidget* member : members_) {
        if (member == &from || !member->isVisible() || !member->isEnabled()) {
            continue;
        }
        const QPoint offset = member->geometry().center() - start;
        const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
        const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
        const int along = (across ? offset.x() : offset.y()) * (forward ? 1 : -1);
        const int aside = std::abs(across ? offset.y() : offset.x());
        // Within a right angle around the arrow's direction.
        if (along <= 0 || aside > along) {
            continue;
        }
        if (const int cost = along + 2 * aside; cost < nearestCost) {
            nearest = member;
            nearestCost = cost;
        }
    }
    return nearest;
}
