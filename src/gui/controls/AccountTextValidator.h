#pragma once

#include <QValidator>

// Refuses what a name or password box must not take: a character a record file cannot hold, so
// what the user types is stored unchanged, and a control character (a pasted tab or line break).
class AccountTextValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

    // The first character of the last input refused, for the box's note.
    QString LastRefused() const { return lastRefused_; }

private:
    mutable QString lastRefused_;
};
