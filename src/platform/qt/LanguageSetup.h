#pragma once

#include <QLocale>
#include <QTranslator>
#include <array>
#include <clocale>
#include <memory>
#include <string>

namespace platform {

// Chooses the language the program speaks (the one "-lang <code>" names, else the first of the
// desktop's languages that is English or has a translation) among the translations installed in
// base folder + "/translations" (tallyhop_<code>.qm), and puts it in place: the program's texts,
// Qt's own texts for the standard dialogs, the language's form of dates and numbers and its
// captioned pictures. English changes nothing. What cannot be used (an unknown "-lang", a
// translation that cannot be read, a language without pictures) leaves English in its place and
// one line in the error log. Texts written without Qt (platform/ShownText.h) are translated too.
// Whatever the language, the C library writes numbers with a decimal point and its error texts
// in English. Everything is undone when the object goes.
class LanguageSetup {
public:
    LanguageSetup();
    ~LanguageSetup();
    LanguageSetup(const LanguageSetup&) = delete;
    LanguageSetup& operator=(const LanguageSetup&) = delete;

private:
    static constexpr std::array kCLibraryCategories{LC_NUMERIC, LC_MESSAGES};
    std::array<std::string, kCLibraryCategories.size()> previousCLocale_; // the C library's before
    QLocale previousLocale_; // QLocale's default before
    std::unique_ptr<QTranslator> programTexts_;
    std::unique_ptr<QTranslator> qtTexts_;
};

} // namespace platform
