#include "LanguagePictures.h"

#include "FileWriters.h"
#include "platform/Language.h"

#include <QDir>

namespace assetgen {

std::vector<Translation> installedTranslations(const QString& programFolder) {
    const QDir folder(programFolder + "/" +
                      QString::fromUtf8(platform::kTranslationsFolder.data(),
                                        platform::kTranslationsFolder.size()));
    std::vector<Translation> translations;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (const auto code = platform::TranslationCode(name.toStdString()))
            translations.push_back({QString::fromStdString(*code), folder.filePath(name)});
    }
    return translations;
}

bool writeLanguagePictures(const PictureSet& english, const PictureSet& translated,
                           const QString& programFolder, const QString& code, QString& error) {
    const QString root =
        programFolder + "/" +
        QString::fromStdString(platform::LanguagePicturesFolder(code.toStdString()));
    QDir(root).removeRecursively();
    for (const auto& [key, picture] : translated.all()) {
        const auto original = english.all().find(key);
        if (original != english.all().end() && original->second == picture)
            continue;
        const QString path = root + "/" + QString::fromStdString(key) + ".bmp";
        if (!QDir().mkpath(QFileInfo(path).path())) {
            error = "cannot create " + QFileInfo(path).path();
            return false;
        }
        if (!writeBmp24(picture, path, error))
            return false;
    }
    return true;
}

} // namespace assetgen
