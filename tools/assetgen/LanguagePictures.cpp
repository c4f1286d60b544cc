#include "LanguagePictures.h"

#include "FileWriters.h"
#include "platform/Language.h"

#include <QDir>

namespace assetgen {

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), view.size());
}

} // namespace

std::vector<Translation> installedTranslations(const QString& programFolder) {
    const QString prefix = text(platform::kTranslationPrefix);
    const QString suffix = text(platform::kTranslationSuffix);
    const QDir folder(programFolder + "/" + text(platform::kTranslationsFolder));
    std::vector<Translation> translations;
    for (const QString& name : folder.entryList({prefix + "*" + suffix}, QDir::Files, QDir::Name)) {
        translations.push_back(
            {name.sliced(prefix.size(), name.size() - prefix.size() - suffix.size()),
             folder.filePath(name)});
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
