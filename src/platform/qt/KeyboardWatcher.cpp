#include "KeyboardWatcher.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform {

KeyboardWatcher::KeyboardWatcher() {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardWatcher::~KeyboardWatcher() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

KeyPoll KeyboardWatcher::PollDigit(int digit) {
    if (digit < 0 || digit > 9) {
        return {};
    }
    const KeyPoll state = digits_[static_cast<std::size_t>(digit)];
    digits_[static_cast<std::size_t>(digit)].pressedSinceLastPoll = false;
    return state;
}

bool KeyboardWatcher::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
            KeyPoll& state = digits_[static_cast<std::size_t>(key->key() - Qt::Key_0)];
            state.down = press;
            state.pressedSinceLastPoll = state.pressedSinceLastPoll || press;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
