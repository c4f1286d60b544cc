#include "LanguageForms.h"

#include "platform/Language.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace {

bool English() {
    return platform::ProgramLanguage().code.empty();
}

// The short form names the year with two digits in most languages; a report spans years.
QString WholeYearDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

} // namespace

history::ShownForms LanguageForms() {
    if (English()) {
        return {};
    }
    return {.date =
                [](std::uint32_t time, char) {
                    const QDate day = QDateTime::fromSecsSinceEpoch(time).date();
                    return QLocale().toString(day, WholeYearDateFormat()).toStdString();
                },
            .oneDecimal =
                [](double value) {
                    return QLocale().toString(value, 'f', 1).toStdString();
                }};
}

QString LanguageDate(int year, int month, int day, char separator) {
    if (English()) {
        return QString::asprintf("%02d%c%02d%c%04d", month, separator, day, separator, year);
    }
    return QLocale().toString(QDate(year, month, day), WholeYearDateFormat());
}
