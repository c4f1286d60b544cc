// Writes the catalog's pictures and the sounds into a program folder.
#pragma once

#include "PictureSet.h"

#include <QString>
#include <QStringList>

namespace assetgen {

// Every picture the screens paint, checked against the catalog: one line per missing or
// unexpected picture.
QStringList compareWithCatalog(const PictureSet& set);

// Graphics/800x600/<folder>/<name>.bmp for each catalog entry, and Audio/<sound>.wav.
bool writeAssets(const PictureSet& set, const QString& programFolder, QString& error);

// Path of a picture below a program folder.
QString picturePath(const QString& programFolder, std::string_view folder, std::string_view name);

} // namespace assetgen
