#pragma once

#include <QLineEdit>

// A box for a password: what is typed shows as dots, and no typed character reaches assistive
// technology. (A plain QLineEdit in password mode hands each typed character to screen readers
// in its text-change events, and Orca spoke them; its accessible object here has no text.)
class PasswordBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit PasswordBox(QWidget* parent = nullptr);
};
