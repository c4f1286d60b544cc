#include "SpokenCard.h"

#include "SpokenText.h"

SpokenCard::SpokenCard(QWidget* window) {
    for (SpokenText*& text : texts_) {
        text = new SpokenText(window, QAccessible::Animation);
        text->hide();
    }
}

void SpokenCard::SetGeometry(const QRect& place) {
    for (SpokenText* text : texts_) {
        text->setGeometry(place);
    }
}

void SpokenCard::Say(const QString& words, const QString& description) {
    SpokenText* shown = texts_[current_];
    if (words.isEmpty()) {
        for (SpokenText* text : texts_) {
            text->hide();
        }
        return;
    }
    if (!shown->isHidden() && shown->accessibleName() == words &&
        shown->accessibleDescription() == description) {
        return;
    }
    const QWidget* focus = shown->window()->focusWidget();
    const bool takeFocus = shown->isHidden() || focus == nullptr || focus == shown->window() ||
                           focus == texts_[0] || focus == texts_[1];
    current_ = 1 - current_;
    SpokenText* next = texts_[current_];
    next->Say(words, description);
    next->show();
    if (takeFocus) {
        next->setFocus();
    }
    shown->hide();
}

const SpokenText& SpokenCard::Current() const {
    return *texts_[current_];
}
