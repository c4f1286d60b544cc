#include "PadKeyboard.h"

#include "CNumberPadCtl.h"

#include <QApplication>
#include <QKeyEvent>

PadKeyboard::PadKeyboard(CNumberPadCtl& pad) : QObject(&pad), pad_(pad) {
    // Watching the whole program rather than the window: a focused child such as a list would
    // otherwise swallow the digits before the window saw them.
    qApp->installEventFilter(this);
}

bool PadKeyboard::InPadWindow(QObject* watched) const {
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == pad_.window();
}

bool PadKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !InPadWindow(watched) || !pad_.isEnabled() ||
        pad_.isHidden()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
        if (!key->isAutoRepeat()) {
            pad_.TypeDigit(key->key() - Qt::Key_0);
        }
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Backspace:
        pad_.EraseDigit();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!key->isAutoRepeat()) {
            pad_.OnEnter();
        }
        return true;
    default:
        return false;
    }
}
