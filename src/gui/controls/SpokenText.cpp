#include "SpokenText.h"

#include "AccessibleObjects.h"

SpokenText::SpokenText(QWidget* parent, QAccessible::Role role) : QWidget(parent) {
    SetAccessibleRole(*this, role);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // Given the focus by its window when there is something to say; never by a click.
    setFocusPolicy(Qt::NoFocus);
}

void SpokenText::Say(const QString& name, const QString& description) {
    setAccessibleDescription(description);
    setAccessibleName(name);
}
