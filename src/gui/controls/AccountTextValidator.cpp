#include "AccountTextValidator.h"

#include "data/AccountRules.h"

QValidator::State AccountTextValidator::validate(QString& input, int&) const {
    if (data::IsAccountText(input.toStdString())) {
        return Acceptable;
    }
    for (const char32_t point : input.toUcs4()) {
        const QString character = QString::fromUcs4(&point, 1);
        if (!data::IsAccountText(character.toStdString())) {
            lastRefused_ = character;
            break;
        }
    }
    return Invalid;
}
