#include "SignInNameList.h"

#include "platform/Services.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace {

// Text a key types into a search: a letter, a digit, a blank or a mark, but no control.
QString SearchText(const QKeyEvent& event) {
    const QString text = event.text();
    const bool control = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return text.isEmpty() || control || !text.at(0).isPrint() ? QString() : text;
}

} // namespace

SignInNameList::SignInNameList(std::function<void()> refill) : refill_(std::move(refill)) {
    view()->installEventFilter(this);
}

void SignInNameList::showPopup() {
    refill_();
    QComboBox::showPopup();
}

int SignInNameList::Search(const QString& text) {
    const std::uint32_t now = platform::GetClock().TickCount();
    if (now - lastKey_ > static_cast<std::uint32_t>(QApplication::keyboardInputInterval())) {
        typed_.clear();
    }
    lastKey_ = now;
    typed_ += text;
    for (int row = 0; row < count(); ++row) {
        if (itemText(row).startsWith(typed_, Qt::CaseInsensitive)) {
            return row;
        }
    }
    return -1;
}

void SignInNameList::keyPressEvent(QKeyEvent* event) {
    const QString text = SearchText(*event);
    if (text.isEmpty()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (const int row = Search(text); row >= 0) {
        setCurrentIndex(row);
    }
    event->accept();
}

// Keys typed while the list is open go to its view.
bool SignInNameList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const QString text = SearchText(*static_cast<QKeyEvent*>(event));
        if (!text.isEmpty()) {
            if (const int row = Search(text); row >= 0) {
                view()->setCurrentIndex(model()->index(row, modelColumn()));
            }
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
