#include "RefusedInputNote.h"

#include "gui/controls/AccountTextValidator.h"

#include <QLineEdit>

RefusedInputNote::RefusedInputNote(QLineEdit& box) : box_(box) {
    setWordWrap(false);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(160, 0, 0));
    setPalette(colours);
    hide();
    connect(&box_, &QLineEdit::inputRejected, this, &RefusedInputNote::OnRefused);
    connect(&box_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            letters_.clear();
            hide();
        }
    });
}

QString RefusedInputNote::FullText(int limit) {
    return tr("At most %1 characters.").arg(limit);
}

QString RefusedInputNote::LetterText(const QStringList& letters) {
    return letters.size() == 1
               ? tr("The letter %1 was left out: records cannot store it.").arg(letters.front())
               : tr("The letters %1 were left out: records cannot store them.")
                     .arg(letters.join(QStringLiteral(", ")));
}

QString RefusedInputNote::ControlText() {
    return tr("A tab or another control character was left out.");
}

// A refusal without a character of its own is the box's limit.
void RefusedInputNote::OnRefused() {
    const auto* validator = qobject_cast<const AccountTextValidator*>(box_.validator());
    const QString refused = validator != nullptr ? validator->LastRefused() : QString();
    if (box_.text().size() >= box_.maxLength() || refused.isEmpty()) {
        setText(FullText(box_.maxLength()));
    } else if (refused.front().category() == QChar::Other_Control) {
        setText(ControlText());
    } else {
        if (!letters_.contains(refused)) {
            letters_.append(refused);
        }
        setText(LetterText(letters_));
    }
    setAccessibleName(text());
    show();
}
