#include "FactText.h"

#include <QCoreApplication>

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

QString SpokenFact(const Problem& fact) {
    const QString first = QString::number(fact.firstOperand);
    const QString second = QString::number(fact.secondOperand);
    switch (fact.operation) {
    case kPlus:
        return QCoreApplication::translate("SpokenCard", "%1 plus %2").arg(first, second);
    case kMinus:
        return QCoreApplication::translate("SpokenCard", "%1 minus %2").arg(first, second);
    case kTimes:
        return QCoreApplication::translate("SpokenCard", "%1 times %2").arg(first, second);
    case kDividedBy:
        return QCoreApplication::translate("SpokenCard", "%1 divided by %2").arg(first, second);
    default:
        return {};
    }
}
