#pragma once

#include <QValidator>

// Refuses characters that a record file cannot hold, so what the user types is stored unchanged.
class Windows1252Validator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
