// The program's icon in desktop menus: the frog on its lily pad in a round-cornered pond.
#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

QImage drawAppIcon(int size);

// Writes "<folder>/hicolor/<n>x<n>/apps/<iconName>.png" for each size menus ask for.
bool writeAppIcons(const QString& folder, const QString& iconName, QString& error);

} // namespace assetgen
