#include "LanguageSetup.h"

#include "../BaseFolder.h"
#include "../CommandLine.h"
#include "../Files.h"
#include "../Language.h"
#include "../Logs.h"
#include "../ShownText.h"
#include "ScreenBitmaps.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace platform {
namespace {

constexpr std::string_view kSource = "Language";

std::string TranslationsFolder() {
    return ResolveInstalledPath(GetBaseFolder() + "/" + std::string(kTranslationsFolder));
}

std::string TranslationPath(const std::string& code) {
    return TranslationsFolder() + "/" + TranslationFileName(code);
}

// The languages are the translations present: adding one needs no change to the program.
std::vector<std::string> InstalledLanguages() {
    std::vector<std::string> codes;
    for (const QString& file :
         QDir(QString::fromStdString(TranslationsFolder())).entryList(QDir::Files)) {
        if (std::optional<std::string> code = TranslationCode(file.toStdString())) {
            codes.push_back(std::move(*code));
        }
    }
    return codes;
}

Language WantedLanguage() {
    const std::vector<std::string> installed = InstalledLanguages();
    const std::optional<std::string> asked = OptionValue(kOptionLanguage);
    if (!asked) {
        std::vector<std::string> desktop;
        for (const QString& tag : QLocale::system().uiLanguages()) {
            desktop.push_back(tag.toStdString());
        }
        return ChooseLanguage(desktop, installed).value_or(Language{});
    }
    const std::optional<Language> chosen = ChooseLanguage({*asked}, installed);
    if (!chosen) {
        WriteErrorLog(kSource, __LINE__,
                      "-lang \"" + *asked + "\": there is no " + TranslationPath(*asked) +
                          "; the texts stay English");
    }
    return chosen.value_or(Language{});
}

} // namespace

LanguageSetup::LanguageSetup() {
    // QApplication gave the C library the desktop's locale. Records, logs and the CSV file are
    // written with its functions: numbers keep a decimal point and the system's reasons in the
    // error log stay English. What is shown takes its forms from QLocale.
    for (std::size_t i = 0; i < kCLibraryCategories.size(); ++i) {
        previousCLocale_[i] = std::setlocale(kCLibraryCategories[i], nullptr);
        std::setlocale(kCLibraryCategories[i], "C");
    }
    const Language language = WantedLanguage();
    if (language.code.empty()) {
        return;
    }
    const std::string path = TranslationPath(language.code);
    programTexts_ = std::make_unique<QTranslator>();
    if (!programTexts_->load(QString::fromStdString(path)) ||
        !QCoreApplication::installTranslator(programTexts_.get())) {
        WriteErrorLog(kSource, __LINE__, "Cannot read " + path + "; the texts stay English");
        programTexts_.reset();
        return;
    }
    const QLocale locale(QString::fromStdString(language.locale));
    qtTexts_ = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qtTexts_->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder) ||
        !QCoreApplication::installTranslator(qtTexts_.get())) {
        WriteErrorLog(kSource, __LINE__,
                      "No Qt texts for \"" + language.code + "\" in " + qtFolder.toStdString() +
                          "; the standard dialogs stay English");
        qtTexts_.reset();
    }
    if (!UseLanguagePictures(language.code)) {
        WriteErrorLog(kSource, __LINE__,
                      "No pictures in " + GetBaseFolder() + "/" +
                          LanguagePicturesFolder(language.code) +
                          "; the English pictures are shown");
    }
    QLocale::setDefault(locale);
    SetProgramLanguage(language);
    SetTranslator([](const char* context, const char* english, int count) {
        return QCoreApplication::translate(context, english, nullptr, count).toStdString();
    });
}

LanguageSetup::~LanguageSetup() {
    for (std::size_t i = 0; i < kCLibraryCategories.size(); ++i) {
        std::setlocale(kCLibraryCategories[i], previousCLocale_[i].c_str());
    }
    if (programTexts_ == nullptr) {
        return;
    }
    SetTranslator({});
    SetProgramLanguage({});
    QLocale::setDefault(previousLocale_);
    UseLanguagePictures({});
    for (QTranslator* translator : {programTexts_.get(), qtTexts_.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

} // namespace platform
