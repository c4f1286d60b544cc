// The pictures of the languages the program is translated into: each captioned picture drawn
// with the language's words, beside the English ones.
#pragma once

#include "PictureSet.h"

#include <QString>
#include <vector>

namespace assetgen {

struct Translation {
    QString code; // "es", "pt_BR"
    QString file; // its compiled translation, holding the captions' words
};

// Every translation in the program folder's translations folder, by code.
std::vector<Translation> installedTranslations(const QString& programFolder);

// Replaces Graphics/<code>/800x600 with the pictures of `translated` that differ from `english`:
// the program shows the English one wherever the language has none.
bool writeLanguagePictures(const PictureSet& english, const PictureSet& translated,
                           const QString& programFolder, const QString& code, QString& error);

} // namespace assetgen
