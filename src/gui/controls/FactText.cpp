#include "FactText.h"

QString OperatorSign(std::int32_t operation) {
    switch (operation) {
    case kPlus:
        return QStringLiteral("+");
    case kMinus:
        return QString(QChar(0x2212));
    case kTimes:
        return QString(QChar(0x00D7));
    case kDividedBy:
        return QString(QChar(0x00F7));
    default:
        return QStringLiteral(" ");
    }
}

QString FactText(const Problem& fact) {
    return QString::number(fact.firstOperand) + ' ' + OperatorSign(fact.operation) + ' ' +
           QString::number(fact.secondOperand);
}
