#include "SpokenName.h"

#include <QRegularExpression>

QString SpokenName(const QString& caption) {
    static const QRegularExpression windowClass(QStringLiteral("^C[A-Z][A-Za-z]*?Wnd(?=[A-Z])"));
    static const QRegularExpression dialogClass(QStringLiteral("(?<=[a-z])Dlg$"));
    QString words = caption;
    words.remove(windowClass);
    words.remove(dialogClass);
    QString spoken;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0 && words[i].isUpper() && words[i - 1].isLower()) {
            spoken += QLatin1Char(' ');
            spoken += words[i].toLower();
        } else {
            spoken += words[i];
        }
    }
    return spoken;
}
