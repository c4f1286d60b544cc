#include "PadKeyboard.h"

#include "CNumberPadCtl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

PadKeyboard::PadKeyboard(CNumberPadCtl& pad) : QObject(&pad), pad_(pad) {
    // Watching the whole program rather than the window: a focused child such as a list would
    // otherwise swallow the digits before the window saw them.
    qApp->installEventFilter(this);
}

// A field that takes typed text (the training goal) keeps its own keys.
bool PadKeyboard::ForThePad(QObject* watched) const {
    if (!watched->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    return widget->window() == pad_.window() && !widget->testAttribute(Qt::WA_InputMethodEnabled);
}

bool PadKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !ForThePad(watched) || !pad_.isEnabled() ||
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
        if (qobject_cast<QAbstractButton*>(watched) != nullptr) {
            return false;
        }
        if (!key->isAutoRepeat()) {
            pad_.OnEnter();
        }
        return true;
    default:
        return false;
    }
}
