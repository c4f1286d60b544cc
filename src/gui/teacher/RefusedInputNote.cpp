#include "RefusedInputNote.h"

#include <QLineEdit>
#include <QTimer>

RefusedInputNote::RefusedInputNote(QLineEdit& box) : box_(box) {
    setWordWrap(false);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(160, 0, 0));
    setPalette(colours);
    hide();
    connect(&box_, &QLineEdit::inputRejected, this, &RefusedInputNote::OnRefused);
    connect(&box_, &QLineEdit::textChanged, this, &QWidget::hide);
}

QString RefusedInputNote::FullText(int limit) {
    return QStringLiteral("At most %1 characters.").arg(limit);
}

QString RefusedInputNote::LetterText() {
    return QStringLiteral("A letter was left out: records cannot store it (use L for \u0141).");
}

void RefusedInputNote::OnRefused() {
    setText(box_.text().size() >= box_.maxLength() ? FullText(box_.maxLength()) : LetterText());
    setAccessibleName(text());
    // After the change that came with it (a paste cut at the limit), which would hide it again.
    QTimer::singleShot(0, this, &QWidget::show);
}
