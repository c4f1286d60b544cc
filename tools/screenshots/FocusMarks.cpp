#include "Screenshots.h"
#include "Sheet.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace screenshots {

void FocusByKeyboard(QWidget& control) {
    QWidget* window = control.window();
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    // The offscreen pointer rests at the corner, over a button: it leaves, lighting nothing.
    for (QWidget* child : window->findChildren<QWidget*>()) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(child, &leave);
    }
    control.setFocus(Qt::TabFocusReason);
    // Any key puts the keyboard in use; Shift changes nothing else.
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &shift);
}

QImage GrabWithFocusOn(const std::vector<QWidget*>& controls) {
    std::vector<QImage> shots;
    for (QWidget* control : controls) {
        FocusByKeyboard(*control);
        shots.push_back(control->window()->grab().toImage());
    }
    return SideBySide(shots);
}

} // namespace screenshots
